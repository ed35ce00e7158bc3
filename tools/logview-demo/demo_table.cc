#include "tools/logview-demo/demo_table.h"

#include <algorithm>

DemoRandom DemoDay::Random(uint64_t tableKey) const {
  return DemoRandom(seed, static_cast<uint64_t>(DayNumber()) * 64 + tableKey);
}

int64_t DemoDay::LogTime(int secondOfDay) const {
  const int64_t date = midnight.QueryLiteral() / 1000000;
  return ((date * 100 + secondOfDay / 3600) * 100 + secondOfDay / 60 % 60) * 100 + secondOfDay % 60;
}

std::string DemoDay::ListTime(int secondOfDay) const {
  return (midnight + static_cast<int64_t>(secondOfDay) * CDateTime::kTicksPerSecond).FormatListCell();
}

std::vector<int> TimesOfDay(DemoRandom& random, int count) {
  // Relative activity per hour of a site that is busy from 7 to 19.
  static const std::vector<int> kHourWeights = {3, 2, 2, 2, 2, 3, 5,  9,  12, 13, 13, 14,
                                                14, 13, 13, 13, 12, 12, 10, 8, 6, 5, 4, 3};
  std::vector<int> times(static_cast<size_t>(count));
  for (int& t : times) t = random.Weighted(kHourWeights) * 3600 + random.Below(3600);
  std::sort(times.begin(), times.end());
  return times;
}

std::vector<int> PlanKinds(DemoRandom& random, int count, const std::vector<int>& weights,
                           int64_t dayNumber) {
  const int kinds = static_cast<int>(weights.size());
  std::vector<int> plan;
  plan.reserve(static_cast<size_t>(count));
  const int covered = std::min(count, kinds);
  const int64_t offset = dayNumber * covered;
  for (int i = 0; i < covered; ++i) plan.push_back(static_cast<int>((offset + i) % kinds));
  while (static_cast<int>(plan.size()) < count) plan.push_back(random.Weighted(weights));
  for (int i = count - 1; i > 0; --i) std::swap(plan[static_cast<size_t>(i)], plan[static_cast<size_t>(random.Between(0, i))]);
  return plan;
}
