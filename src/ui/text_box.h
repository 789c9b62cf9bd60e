#pragma once
// A single-line text box that behaves as the editor's boxes always have:
// - its typing limit (the maximum length) limits only what the user types, pastes or drops; text
//   set by the program is kept whole, however long (a box limited to 2 may hold three letters
//   after a load);
// - text the program shows (showText) shows from its first character, as a desktop text box
//   shows it;
// - it can be drawn flat, with a one-pixel border;
// - the shortcuts of its window's menus win over the box's own editing keys;
// - a key pressed with Alt held never types (AltGr, which types characters, does);
// - it reports when it receives the focus, for handlers that select its text;
// - it notes whether the user changed its text since the program last cleared the mark.

#include <QLineEdit>

namespace quarven::ui {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);
  ~TextBox() override;

  // The most characters a user edit may leave; 0 means no limit. QLineEdit's own maxLength is
  // left alone (no limit), as it would also cut text set by the program.
  void setTypingLimit(int length);
  int typingLimit() const { return typingLimit_; }

  // Sets the text with the caret at the start, so a text longer than the box shows its
  // beginning; QLineEdit::setText leaves the caret, and so the view, at the end.
  void showText(const QString& text);

  void setFlat(bool flat);

  // True once a user edit (typing, pasting, dropping, undoing) changed the text since the last
  // clearUserEdited(). Unlike QLineEdit's modified flag it survives an edit cut to the typing limit.
  bool userEdited() const { return userEdited_; }
  void clearUserEdited() { userEdited_ = false; }

 signals:
  void gotFocus();

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  class TypingLimit;
  friend class TypingLimit;
  // Applies the limit to the text a user edit produced; `before` is the text before the edit.
  void limitUserEdit(QString& input, int& cursor) const;

  int typingLimit_ = 0;
  bool flat_ = false;
  bool userEditing_ = false;
  bool userEdited_ = false;
  QString beforeEdit_;
};

}  // namespace quarven::ui
