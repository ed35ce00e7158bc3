// A host window for page tests: it answers "can you play" and "are
// the playback channels full" as the test says, and keeps every message it
// got, sent or posted (posted ones once the test delivers its queue).
#pragma once

#include <vector>

#include "platform/cwnd.h"
#include "platform/message_queue.h"

class FakeHost : public platform::CWnd {
 public:
  struct Message {
    platform::UINT number;
    platform::WPARAM wParam;
    platform::LPARAM lParam;
  };

  FakeHost() : platform::CWnd(&queue) {}

  const std::vector<Message>& Messages() {
    queue.DeliverUntilEmpty();
    return messages;
  }
  std::vector<platform::UINT> Numbers() {
    std::vector<platform::UINT> numbers;
    for (const Message& m : Messages()) numbers.push_back(m.number);
    return numbers;
  }

  platform::MessageQueue queue;
  bool canPlay = true;
  bool channelsFull = false;
  std::vector<Message> messages;

 protected:
  platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override {
    messages.push_back({message, wParam, lParam});
    return message == platform::kMsgCanPlay ? canPlay : message == platform::kMsgPlaybackChannelsFull && channelsFull;
  }
};
