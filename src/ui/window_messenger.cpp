#include "ui/window_messenger.h"

#include "platform/message_box.h"

namespace quarven::ui {

void WindowMessenger::show(const UserMessage& message) {
  const unsigned style =
      message.icon == UserMessage::Icon::Critical ? platform::MB_ICONHAND : platform::MB_OK;
  platform::MessageBox(owner_, QString::fromStdString(message.text), QString::fromStdString(message.title),
                       style);
}

}  // namespace quarven::ui
