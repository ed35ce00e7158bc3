#include "ui/signal.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(SignalTest, ListenersMayComeAndGoDuringEmission) {
  CSignal<int> signal;
  std::vector<int> heard;
  CConnection second, late;
  CConnection first = signal.Connect([&](int v) {
    heard.push_back(v);
    second.Disconnect();
    if (!late.IsConnected()) late = signal.Connect([&](int w) { heard.push_back(100 + w); });
  });
  second = signal.Connect([&](int v) { heard.push_back(-v); });
  signal.Emit(1);  // second is gone before its turn; late waits for the next emission
  signal.Emit(2);
  EXPECT_EQ(heard, (std::vector<int>{1, 2, 102}));
  EXPECT_EQ(signal.ListenerCount(), 2u);
}

TEST(SignalTest, ConnectionsEndWithTheirOwnerOrOutliveTheSignal) {
  int calls = 0;
  auto signal = std::make_unique<CSignal<>>();
  {
    CConnection moved = signal->Connect([&] { ++calls; });
    signal->Emit();
  }
  signal->Emit();
  EXPECT_EQ(calls, 1);

  CConnection survivor = signal->Connect([&] { ++calls; });
  signal.reset();
  survivor.Disconnect();  // nothing left to leave, nothing to crash
  EXPECT_FALSE(survivor.IsConnected());
}

}  // namespace
