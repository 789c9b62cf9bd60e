#pragma once
// How the core tells the user something. The window shows each message in a modal box; the call
// returns when the user has dismissed it. Tests record the messages instead.

#include <string>

namespace quarven {

inline constexpr const char* kAppTitle = "QUARVEN EDITOR";

struct UserMessage {
  enum class Icon { None, Critical };
  std::string text;
  std::string title = kAppTitle;
  Icon icon = Icon::None;
};

class Messenger {
 public:
  virtual ~Messenger() = default;
  virtual void show(const UserMessage& message) = 0;
  void show(const std::string& text) { show(UserMessage{text}); }
};

}  // namespace quarven
