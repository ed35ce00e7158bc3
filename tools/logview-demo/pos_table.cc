#include "tools/logview-demo/pos_table.h"

#include <algorithm>

namespace {

struct Item {
  const char* name;
  int cents;
};
const Item kItems[] = {{"Coffee Latte", 350}, {"Croissant", 220},   {"Mineral Water", 120},
                       {"Sandwich", 490},     {"Newspaper", 250},   {"Chocolate Bar", 180},
                       {"Orange Juice", 310}, {"Salad Bowl", 650}};
const char* const kRuleNames[] = {"Void Item",      "No Sale",         "Refund",           "Discount Over 20%",
                                  "Price Override", "Manager Override", "Cancelled Receipt", "High Value Sale",
                                  "Employee Sale",  "Coupon Redeemed"};
const char* const kCashiers[] = {"Anna", "Ben", "Chloe", "David"};

// What happens at a register: a sale paid by card, a sale paid in cash
// (the drawer opens), one of the ten rules firing inside a sale, a lost
// connection.
enum Episode { kCardSale, kCashSale, kRule, kConnectionLost = kRule + 10 };
const std::vector<int> kWeights = {50, 30, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1};

struct PosRecord {
  int second;
  uint32_t posId;
  int rule;
  std::string ruleName, description, cameraIdText;
};

std::string Money(int cents) { return Format("%d.%02d", cents / 100, cents % 100); }

}  // namespace

const char* PosTable::CreateSql() const {
  return "CREATE TABLE PosEventLog (Id INTEGER PRIMARY KEY, LogTime INTEGER, PosId INTEGER, "
         "EventRuleId INTEGER, EventRuleName TEXT, Description TEXT, CameraId TEXT);";
}

const char* PosTable::InsertSql() const {
  return "INSERT INTO PosEventLog (LogTime, PosId, EventRuleId, EventRuleName, Description, CameraId) "
         "VALUES (?, ?, ?, ?, ?, ?);";
}

bool PosTable::WriteDay(const DemoDay& day, SqliteStatement& insert, std::string* error) {
  DemoRandom random = day.Random(5);
  const int episodes = std::max(static_cast<int>(kWeights.size()), day.eventsPerDay / 20);
  const std::vector<int> starts = TimesOfDay(random, episodes);
  const std::vector<int> plan = PlanKinds(random, episodes, kWeights, day.DayNumber());
  int receipt = 10000 + random.Below(80000);

  std::vector<PosRecord> records;
  for (int e = 0; e < episodes; ++e) {
    const DemoPosSource& source = day.world.posSources[static_cast<size_t>(random.Below(
        static_cast<int>(day.world.posSources.size())))];
    const int start = starts[static_cast<size_t>(e)];
    auto add = [&](int second, int rule, std::string ruleName, std::string description) {
      records.push_back({std::min(second, 86399), source.posId, rule, std::move(ruleName), std::move(description),
                         source.cameraIdText});
    };
    const int kind = plan[static_cast<size_t>(e)];
    if (kind == kConnectionLost) {
      add(start, 304, "Connection Lost", "Connection to " + source.name + " (192.168.1." +
                                             std::to_string(90 + source.posId) + ":4000) lost");
      continue;
    }
    ++receipt;
    add(start, 300, "Transaction Start",
        Format("%s  Receipt %d\r\nCashier: %s", source.name.c_str(), receipt, kCashiers[random.Below(4)]));
    std::string lines;
    int total = 0;
    const int itemCount = random.Between(1, 5);
    for (int i = 0; i < itemCount; ++i) {
      const Item& item = kItems[random.Below(8)];
      const int quantity = random.Between(1, 3);
      lines += Format("%d x %-16s %7s\r\n", quantity, item.name, Money(quantity * item.cents).c_str());
      total += quantity * item.cents;
    }
    int end = start + 20 + 15 * itemCount + random.Below(60);
    if (kind >= kRule) {
      const int rule = kind - kRule;
      add(start + 10 + random.Below(end - start - 10), 305 + rule, kRuleNames[rule],
          Format("%s  Receipt %d\r\n%s  %s", source.name.c_str(), receipt, kRuleNames[rule],
                 Money(random.Between(50, 5000)).c_str()));
    }
    const bool cash = kind == kCashSale;
    add(end, 301, "Transaction End",
        Format("%s  Receipt %d\r\n%sTOTAL %22s\r\n%s", source.name.c_str(), receipt, lines.c_str(),
               Money(total).c_str(), cash ? "CASH" : "CARD"));
    if (cash) add(end + random.Between(1, 4), 302, "Open Cash Drawer", source.name + "  Cash drawer opened");
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const PosRecord& a, const PosRecord& b) { return a.second < b.second; });

  for (const PosRecord& r : records) {
    insert.Bind(1, day.LogTime(r.second)).Bind(2, r.posId).Bind(3, r.rule).Bind(4, r.ruleName);
    if (!insert.Bind(5, r.description).Bind(6, r.cameraIdText).Run(error)) return false;
  }
  return true;
}
