// registry_bench: how long a regedit export with very many sibling keys
// (cameras under one key, as a large site exports them) takes to load,
// parsed and built into a tree, against a bare reader that only cuts the
// same UTF-16 bytes into lines and decodes them.
//
//   registry_bench [--keys N] [--rounds N]
//
// Two files are loaded: 8,000 keys and N keys (default 185,000, about 60 MB in
// UTF-16).  Each load is timed against the bare reader in the same round; the
// medians are printed with their ratios.  Loading is linear when the ratio
// of the big file is close to that of the small one; a quadratic loader's
// ratio grows with the number of keys.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/bench_clock.h"
#include "platform/code_page.h"
#include "platform/reg_file.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::Seconds;

std::string MakeExport(int keys) {
  std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
  char buffer[512];
  for (int i = 0; i < keys; ++i) {
    std::snprintf(buffer, sizeof buffer,
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\VEXOIP\\Cameras\\Camera%06d]\r\n"
                  "\"Name\"=\"Camera %d\"\r\n\"Address\"=\"10.%d.%d.%d\"\r\n\"Port\"=dword:%08x\r\n"
                  "\"Flags\"=hex:01,00,00,00\r\n\r\n",
                  i, i, i >> 16 & 255, i >> 8 & 255, i & 255, 554 + i % 8);
    text += buffer;
  }
  return "\xFF\xFE" + platform::ToUtf16LeBytes(text, platform::kCodePageUtf8);
}

// What any reader of the file must do: find the lines and decode each.
size_t BareRead(const std::string& bytes) {
  size_t total = 0;
  size_t begin = 2;
  for (size_t at = begin; at + 1 < bytes.size(); at += 2) {
    if (bytes[at] != '\n' || bytes[at + 1] != '\0') continue;
    total += platform::FromUtf16LeBytes(std::string_view(bytes).substr(begin, at - begin),
                                        platform::kCodePageUtf8).size();
    begin = at + 2;
  }
  return total;
}

size_t Load(const std::string& bytes) {
  platform::RegFile file;
  if (!platform::RegFile::Parse(bytes, &file)) {
    std::fprintf(stderr, "registry_bench: the generated file does not parse\n");
    std::exit(1);
  }
  return file.BuildTree()->Top().SubKeys().size();
}

// The median ratio load / bare over the rounds, printing both medians.
double Measure(int keys, int rounds) {
  const std::string bytes = MakeExport(keys);
  std::vector<double> bare, load;
  for (int round = 0; round < rounds; ++round) {
    Clock::time_point start = Clock::now();
    if (BareRead(bytes) == 0) std::exit(1);
    bare.push_back(Seconds(start));
    start = Clock::now();
    if (Load(bytes) != 1) std::exit(1);
    load.push_back(Seconds(start));
  }
  const double ratio = Median(load) / Median(bare);
  std::printf("%7d keys, %5.1f MB: load %8.3f s, bare %6.3f s, ratio %6.2f\n", keys, bytes.size() / 1e6,
              Median(load), Median(bare), ratio);
  return ratio;
}

}  // namespace

int main(int argc, char** argv) {
  int keys = 185000;
  int rounds = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--keys") == 0) keys = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::atoi(argv[i + 1]);
  }
  if (keys < 1 || rounds < 1) {
    std::fprintf(stderr, "usage: registry_bench [--keys N] [--rounds N]\n");
    return 2;
  }
  const double small = Measure(8000, rounds);
  const double big = Measure(keys, rounds);
  std::printf("growth of the ratio from 8,000 to %d keys: %.2f (1 is linear)\n", keys, big / small);
  return 0;
}
