#pragma once
// A single-line text box that behaves as the editor's boxes always have:
// - its maximum length limits only what the user types, pastes or drops; text set by the program
//   is kept whole, however long (a box of maximum length 2 may hold three letters after a load);
// - it can be drawn flat, with a one-pixel border;
// - the shortcuts of its window's menus win over the box's own editing keys;
// - it reports when it receives the focus, for handlers that select its text;
// - it notes whether the user changed its text since the program last cleared the mark.

#include <QLineEdit>

namespace quarven::ui {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);
  ~TextBox() override;

  // 0 means no limit. Hides QLineEdit's own, which would also cut text set by the program.
  void setMaxLength(int length);
  int maxLength() const { return maxLength_; }

  void setFlat(bool flat);

  // True once a user edit (typing, pasting, dropping, undoing) changed the text since the last
  // clearUserEdited(). Unlike QLineEdit's modified flag it survives an edit cut to the maximum length.
  bool userEdited() const { return userEdited_; }
  void clearUserEdited() { userEdited_ = false; }

 signals:
  void gotFocus();

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  class TypingLimit;
  friend class TypingLimit;
  // Applies the limit to the text a user edit produced; `before` is the text before the edit.
  void limitUserEdit(QString& input, int& cursor) const;

  int maxLength_ = 0;
  bool flat_ = false;
  bool userEditing_ = false;
  bool userEdited_ = false;
  QString beforeEdit_;
};

}  // namespace quarven::ui
