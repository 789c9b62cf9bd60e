#pragma once
// Key presses and mouse clicks delivered to a widget as a user's would be.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

namespace quarven::testing {

inline bool pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
  return press.isAccepted();
}

inline void typeText(QWidget* target, const QString& text) {
  for (const QChar c : text) pressKey(target, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

// Whether a text control asks to keep a key combination for itself instead of the window's shortcuts.
inline bool wantsShortcut(QWidget* target, QKeyCombination key) {
  QKeyEvent override(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
  override.ignore();
  QApplication::sendEvent(target, &override);
  return override.isAccepted();
}

// A left-button mouse event at `at` (move events carry no button).
inline void sendMouse(QWidget* target, QEvent::Type type, QPointF at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target) {
  const QPointF centre = QRectF(target->rect()).center();
  sendMouse(target, QEvent::MouseButtonPress, centre);
  sendMouse(target, QEvent::MouseButtonRelease, centre);
}

}  // namespace quarven::testing
