#pragma once
// The splash window: one picture, no caption, fixed border, centred on the screen when shown. A
// key press in it or a click on its picture shows the main window and hides the splash, which
// stays built for a later show. Nothing in the editor opens it at start-up.

#include <QWidget>
#include <functional>

class QLabel;

namespace quarven::dialogs {

class frmSplash : public QWidget {
  Q_OBJECT
 public:
  // `form1` gives the main window to show (creating it when needed); it may give null.
  explicit frmSplash(std::function<QWidget*()> form1, QWidget* parent = nullptr);

  void Form_KeyPress(int keyAscii);
  void Picture1_Click();

  QLabel* Picture1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void showMainWindow();

  std::function<QWidget*()> form1_;
};

// The splash picture, 393 x 245.
QPixmap splashPicture();

}  // namespace quarven::dialogs
