#pragma once
// Toolbar1: one button per team in team-index order, each with its team's icon, the team key as
// its key and a tooltip. The buttons lie in two rows of 14 inside the bar.
// The bar is one Tab stop: Tab reaches its current button (the first, or the one focused or
// pressed with the mouse last), the arrow keys move the focus between its buttons, and Space or
// Return presses the focused one.

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

class QToolButton;

namespace quarven::ui {

class TeamToolbar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kButtonCount = 28;

  // `imageList`: the icons of the buttons, image i for button i.
  TeamToolbar(const QList<QPixmap>& imageList, QWidget* parent = nullptr);

  // Buttons are numbered from 1, as the team index + 1.
  QToolButton* button(int number) const;
  QString key(int number) const;

 signals:
  // A button was clicked; the key of the button.
  void buttonClick(const QString& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Makes a button the bar's Tab stop; the others take no focus from the Tab key.
  void makeCurrent(int number);
  void pressedWithMouse(int number);
  // The button an arrow key leads to from button `number`, or 0 for a key that is no arrow.
  static int arrowTarget(int number, int key);

  std::vector<QToolButton*> buttons_;
  std::vector<QString> keys_;
  int current_ = 1;
};

}  // namespace quarven::ui
