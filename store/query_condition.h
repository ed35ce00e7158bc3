// CQueryCondition: one node of the condition tree a WHERE text is built
// from.  A node joins its conditions with its operator ("AND" or "OR"), each
// condition in parentheses; a nested node is rendered and added as one
// condition.  A plain value; not thread-safe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vocabulary/date_time.h"

class CQueryCondition {
 public:
  explicit CQueryCondition(const char* op = "AND") : m_operator(op) {}

  // column = value
  void AddEqual(const char* column, int64_t value);
  // column op value ("<", ">=" ...)
  void AddCompare(const char* column, const char* op, int64_t value);
  // column BETWEEN low AND high
  void AddRange(const char* column, int64_t low, int64_t high);
  // "LogTime >= start" and "LogTime <= end" as 14-digit literals; a bound
  // that is missing or not valid adds nothing.
  void AddTimeBounds(const std::optional<CDateTime>& start, const std::optional<CDateTime>& end);
  void AddNode(const CQueryCondition& node);
  void Add(std::string condition);

  bool Empty() const { return m_conditions.empty(); }
  // "(a) AND (b)"; the empty text for a node without conditions.
  std::string Render() const;

 private:
  const char* m_operator;
  std::vector<std::string> m_conditions;
};

// "SELECT * FROM <table>", then " WHERE <where>" and " ORDER BY <orderBy>"
// for the parts that are not empty, then ";".
std::string SelectStatement(const char* table, const std::string& where, const std::string& orderBy);
