#include "bench/common/bench_report.h"

#include <cstdio>
#include <cstdlib>

#include "platform/env.h"

namespace bench {

double LoadAverage() {
  double load[1] = {0};
  return getloadavg(load, 1) == 1 ? load[0] : 0;
}

BenchReport::BenchReport(std::string benchmark, std::string jsonPath)
    : m_benchmark(std::move(benchmark)), m_jsonPath(std::move(jsonPath)), m_loadBefore(LoadAverage()) {
  std::printf("load average before: %.2f\n", m_loadBefore);
}

void BenchReport::Add(const std::string& name, double value) { m_figures.emplace_back(name, value); }

bool BenchReport::Finish() {
  const double loadAfter = LoadAverage();
  const bool noisy = m_loadBefore > kNoisyLoad || loadAfter > kNoisyLoad;
  std::printf("load average after: %.2f%s\n", loadAfter,
              noisy ? "  -- noisy: the machine was busy, the figures are only a rough guide" : "");
  if (m_jsonPath.empty()) return true;
  char number[64];
  std::string json = "{\n  \"benchmark\": \"" + m_benchmark + "\",\n";
  std::snprintf(number, sizeof number, "  \"load_before\": %.2f,\n  \"load_after\": %.2f,\n", m_loadBefore, loadAfter);
  json += number;
  json += std::string("  \"noisy\": ") + (noisy ? "true" : "false") + ",\n  \"figures\": {";
  for (size_t i = 0; i < m_figures.size(); ++i) {
    std::snprintf(number, sizeof number, "%.6g", m_figures[i].second);
    json += (i == 0 ? "\n    \"" : ",\n    \"") + m_figures[i].first + "\": " + number;
  }
  json += "\n  }\n}\n";
  if (platform::Env::Default()->WriteFileAtomic(m_jsonPath, json)) return true;
  std::fprintf(stderr, "could not write %s\n", m_jsonPath.c_str());
  return false;
}

}  // namespace bench
