#include "ui/help_box.h"

#include <QKeyEvent>

#include "ui/shortcut_priority.h"

namespace quarven::ui {

HelpBox::HelpBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

bool HelpBox::event(QEvent* event) {
  if (yieldsToWindowShortcut(this, event)) return false;
  return QPlainTextEdit::event(event);
}

void HelpBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

}  // namespace quarven::ui
