#include "ui/shortcut_priority.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace quarven::ui {

bool isWindowShortcut(const QWidget* widget, const QKeyEvent* key) {
  if (!widget || !key) return false;
  const QKeySequence pressed(key->keyCombination());
  for (const QAction* action : widget->window()->findChildren<QAction*>()) {
    if (action->isEnabled() && !action->shortcut().isEmpty() &&
        action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
      return true;
  }
  return false;
}

bool yieldsToWindowShortcut(const QWidget* widget, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || !isWindowShortcut(widget, static_cast<QKeyEvent*>(event)))
    return false;
  event->ignore();
  return true;
}

}  // namespace quarven::ui
