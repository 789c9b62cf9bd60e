#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace quarven::platform {

namespace {
MessageBoxResponder& responder() {
  static MessageBoxResponder r;
  return r;
}

QMessageBox::Icon iconOf(unsigned style) {
  switch (style & 0xF0) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}
}  // namespace

void setMessageBoxResponder(MessageBoxResponder r) {
  responder() = std::move(r);
}

int MessageBox(QWidget* owner, const QString& text, const QString& title, unsigned style) {
  if (responder()) return responder()({owner, text, title, style});

  QMessageBox box(iconOf(style), title, text, QMessageBox::NoButton, owner);
  if ((style & 0x0F) == MB_YESNO) {
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    box.setDefaultButton((style & MB_DEFBUTTON2) ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? IDYES : IDNO;
  }
  box.setDefaultButton(box.addButton(QMessageBox::Ok));
  box.exec();
  return IDOK;
}

}  // namespace quarven::platform
