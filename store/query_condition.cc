#include "store/query_condition.h"

#include <cinttypes>
#include <cstdio>

void CQueryCondition::AddEqual(const char* column, int64_t value) {
  AddCompare(column, "=", value);
}

void CQueryCondition::AddCompare(const char* column, const char* op, int64_t value) {
  char text[160];
  std::snprintf(text, sizeof text, "%s %s %" PRId64, column, op, value);
  m_conditions.emplace_back(text);
}

void CQueryCondition::AddRange(const char* column, int64_t low, int64_t high) {
  char text[160];
  std::snprintf(text, sizeof text, "%s BETWEEN %" PRId64 " AND %" PRId64, column, low, high);
  m_conditions.emplace_back(text);
}

void CQueryCondition::AddTimeBounds(const std::optional<CDateTime>& start,
                                    const std::optional<CDateTime>& end) {
  // A bound that is not valid would print -1 fields; it is left out instead.
  if (start && start->IsValid()) AddCompare("LogTime", ">=", start->QueryLiteral());
  if (end && end->IsValid()) AddCompare("LogTime", "<=", end->QueryLiteral());
}

void CQueryCondition::AddNode(const CQueryCondition& node) { m_conditions.push_back(node.Render()); }

void CQueryCondition::Add(std::string condition) { m_conditions.push_back(std::move(condition)); }

std::string CQueryCondition::Render() const {
  std::string text;
  for (const std::string& condition : m_conditions) {
    if (!text.empty()) {
      text += ' ';
      text += m_operator;
      text += ' ';
    }
    text += '(';
    text += condition;
    text += ')';
  }
  return text;
}

std::string SelectStatement(const char* table, const std::string& where, const std::string& orderBy) {
  std::string sql = "SELECT * FROM ";
  sql += table;
  if (!where.empty()) sql += " WHERE " + where;
  if (!orderBy.empty()) sql += " ORDER BY " + orderBy;
  sql += ';';
  return sql;
}
