#pragma once
// How the core tells the user something, or asks. The window shows each message or question in a
// modal box; the call returns when the user has dismissed or answered it. Tests record the messages
// and answer instead.

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
  // Asks a question with the buttons Yes and No, No the default (title "QUARVEN EDITOR"): true for
  // Yes. A messenger that cannot ask answers No.
  virtual bool ask(const std::string& /*question*/) { return false; }
};

}  // namespace quarven
