#pragma once
// Answers the platform's message boxes in tests: records every call and replies from a queue of
// answers (IDOK when the queue is empty or the box has only OK).

#include <deque>
#include <vector>

#include "platform/message_box.h"

namespace quarven::testing {

class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    platform::setMessageBoxResponder([this](const platform::MessageBoxCall& call) {
      calls.push_back(call);
      if (onShow) onShow(call);
      if ((call.style & 0x0F) != platform::MB_YESNO || answers.empty()) return int(platform::IDOK);
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    });
  }
  ~MessageBoxRecorder() { platform::setMessageBoxResponder({}); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<QString> texts() const {
    std::vector<QString> out;
    for (const auto& c : calls) out.push_back(c.text);
    return out;
  }

  std::vector<platform::MessageBoxCall> calls;
  std::deque<int> answers;
  // Called while the box is "up", e.g. to look at the window's state at that moment.
  std::function<void(const platform::MessageBoxCall&)> onShow;
};

}  // namespace quarven::testing
