#pragma once
// Modal message boxes with the desktop's call shape: owner, text, title and a style made of a
// button set, an icon and the default button. Tests install a responder that answers instead of
// a person.

#include <QString>
#include <functional>

class QWidget;

namespace quarven::platform {

enum MessageBoxStyle : unsigned {
  MB_OK = 0x0,
  MB_YESNO = 0x4,
  MB_ICONHAND = 0x10,  // critical-error icon
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
  MB_DEFBUTTON2 = 0x100,
};
enum MessageBoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct MessageBoxCall {
  QWidget* owner;
  QString text;
  QString title;
  unsigned style;
};

// Shows the box and returns the button pressed (IDOK, IDYES or IDNO).
int MessageBox(QWidget* owner, const QString& text, const QString& title, unsigned style = MB_OK);

// With a responder installed, MessageBox shows nothing: it hands the call to the responder and
// returns its answer. An empty responder restores real boxes.
using MessageBoxResponder = std::function<int(const MessageBoxCall&)>;
void setMessageBoxResponder(MessageBoxResponder responder);

}  // namespace quarven::platform
