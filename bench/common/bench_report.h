// BenchReport: what a benchmark run says besides its figures: the load
// average of the machine before and after (a run is "noisy" when either is
// above 1.0, and its figures are then only a rough guide), and, when asked
// with --json FILE, its figures in a file that a script can compare with
// another run's.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace bench {

// The load average of the last minute (0 when the system does not say).
double LoadAverage();

class BenchReport {
 public:
  static constexpr double kNoisyLoad = 1.0;

  // Prints the load average now.  `jsonPath` empty: no file is written.
  BenchReport(std::string benchmark, std::string jsonPath);

  // A figure of the run, under a name unique within it ("store.every_file.callback_ratio").
  void Add(const std::string& name, double value);

  // Prints the load average now and whether the run was noisy, then writes
  // the file: {"benchmark", "load_before", "load_after", "noisy",
  // "figures": {name: value, ...}}.  False, after a message on standard
  // error, when the file could not be written.
  bool Finish();

 private:
  std::string m_benchmark;
  std::string m_jsonPath;
  double m_loadBefore;
  std::vector<std::pair<std::string, double>> m_figures;
};

}  // namespace bench
