#pragma once
// Shows the core's messages to the user: one modal box per message, owned by the main window.

#include "rom/messenger.h"

class QWidget;

namespace quarven::ui {

class WindowMessenger : public Messenger {
 public:
  explicit WindowMessenger(QWidget* owner) : owner_(owner) {}
  using Messenger::show;
  void show(const UserMessage& message) override;
  bool ask(const std::string& question) override;

 private:
  QWidget* owner_;
};

}  // namespace quarven::ui
