#include "ui/text_box.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QValidator>
#include <algorithm>

#include "ui/shortcut_priority.h"

namespace quarven::ui {

// Checks each change of the text; only changes made while a user event is being handled are
// limited.
class TextBox::TypingLimit : public QValidator {
 public:
  explicit TypingLimit(TextBox* box) : QValidator(box), box_(box) {}
  State validate(QString& input, int& cursor) const override {
    box_->limitUserEdit(input, cursor);
    return Acceptable;
  }

 private:
  TextBox* box_;
};

namespace {
// Events through which a user changes the text: typing, input methods, pasting from the context
// menu, dropping, and pasting the selection with the middle button.
bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:
      return true;
    default:
      return false;
  }
}
// By desktop convention an Alt chord (Alt+F, the key of a menu) never types. AltGr is a modifier
// of its own; some systems report it as Ctrl+Alt, which types too.
bool isAltChord(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers();
  return held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier);
}
}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TypingLimit(this));
}

TextBox::~TextBox() = default;

void TextBox::setTypingLimit(int length) {
  typingLimit_ = std::max(0, length);
}

void TextBox::showText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

void TextBox::setFlat(bool flat) {
  flat_ = flat;
  setFrame(!flat);
  setTextMargins(flat ? QMargins(2, 1, 2, 1) : QMargins());
  update();
}

void TextBox::limitUserEdit(QString& input, int& cursor) const {
  if (!userEditing_ || typingLimit_ == 0 || input.size() <= typingLimit_) return;
  const QString& before = beforeEdit_;
  // The edit replaced before[prefix, before.size() - suffix) with input[prefix, input.size() - suffix).
  const qsizetype shorter = std::min(before.size(), input.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before[prefix] == input[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix])
    ++suffix;
  const qsizetype inserted = input.size() - prefix - suffix;
  if (inserted == 0) return;  // only deleted from a text that was already too long
  const qsizetype kept = prefix + suffix;
  const qsizetype room = typingLimit_ - kept;
  if (room <= 0) {  // no room at all: the edit is refused
    input = before;
    cursor = std::min<int>(cursor, before.size());
    return;
  }
  input = before.left(prefix) + input.mid(prefix, room) + before.right(suffix);
  cursor = static_cast<int>(prefix + room);
}

bool TextBox::event(QEvent* event) {
  if (yieldsToWindowShortcut(this, event)) return false;
  if (!isUserInput(event->type())) return QLineEdit::event(event);
  const bool outer = !userEditing_;
  if (outer) {
    beforeEdit_ = text();
    userEditing_ = true;
  }
  const bool handled = QLineEdit::event(event);
  if (outer) {
    userEditing_ = false;
    if (text() != beforeEdit_) userEdited_ = true;
  }
  return handled;
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit gotFocus();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (isAltChord(*event) && !event->text().isEmpty()) {
    event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TextBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!flat_) return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quarven::ui
