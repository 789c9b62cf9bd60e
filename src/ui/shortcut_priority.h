#pragma once
// Menu shortcuts take precedence over a text control's own editing keys (Ctrl+A, Ctrl+H, ...),
// so the window's menus answer them wherever the focus is.

class QEvent;
class QKeyEvent;
class QWidget;

namespace quarven::ui {

// True when the key is the shortcut of an enabled action of the widget's window.
bool isWindowShortcut(const QWidget* widget, const QKeyEvent* key);

// For a text control's event(): true (and the event ignored) when the event asks whether the
// control wants a key that is one of its window's shortcuts; the control then returns false.
bool yieldsToWindowShortcut(const QWidget* widget, QEvent* event);

}  // namespace quarven::ui
