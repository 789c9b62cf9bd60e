#pragma once
// Key presses delivered to a widget as a user's typing would be.

#include <QApplication>
#include <QKeyEvent>
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

}  // namespace quarven::testing
