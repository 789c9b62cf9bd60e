#include "ui/window_messenger.h"

#include "platform/message_box.h"

namespace quarven::ui {

void WindowMessenger::show(const UserMessage& message) {
  const unsigned style =
      message.icon == UserMessage::Icon::Critical ? platform::MB_ICONHAND : platform::MB_OK;
  platform::MessageBox(owner_, QString::fromStdString(message.text), QString::fromStdString(message.title),
                       style);
}

bool WindowMessenger::ask(const std::string& question) {
  return platform::MessageBox(owner_, QString::fromStdString(question), QString::fromLatin1(kAppTitle),
                              platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2) ==
         platform::IDYES;
}

}  // namespace quarven::ui
