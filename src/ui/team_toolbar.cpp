#include "ui/team_toolbar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

#include "rom/team_table.h"

namespace quarven::ui {

namespace {
constexpr int kPerRow = 14;
constexpr QSize kButtonSize(28, 24);
constexpr int kMargin = 1;

// The tooltip of a button; the last one has always read "All Starts West".
QString tooltipOf(int number, const QString& key) {
  return number == TeamToolbar::kButtonCount ? QStringLiteral("All Starts West") : key;
}
}  // namespace

TeamToolbar::TeamToolbar(const QList<QPixmap>& imageList, QWidget* parent) : QWidget(parent) {
  for (int number = 1; number <= kButtonCount; ++number) {
    const QString key = QString::fromUtf8(teamByIndex(number - 1).key.data(),
                                          static_cast<qsizetype>(teamByIndex(number - 1).key.size()));
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setToolTip(tooltipOf(number, key));
    if (number - 1 < imageList.size()) button->setIcon(QIcon(imageList[number - 1]));
    button->setIconSize(QSize(16, 16));
    const int row = (number - 1) / kPerRow;
    const int column = (number - 1) % kPerRow;
    button->setGeometry(kMargin + column * kButtonSize.width(), kMargin + row * kButtonSize.height(),
                        kButtonSize.width(), kButtonSize.height());
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, key] { emit buttonClick(key); });
    buttons_.push_back(button);
    keys_.push_back(key);
  }
  makeCurrent(1);
}

QToolButton* TeamToolbar::button(int number) const {
  return number >= 1 && number <= kButtonCount ? buttons_[static_cast<std::size_t>(number - 1)] : nullptr;
}

QString TeamToolbar::key(int number) const {
  return button(number) ? keys_[static_cast<std::size_t>(number - 1)] : QString();
}

void TeamToolbar::makeCurrent(int number) {
  current_ = number;
  for (int other = 1; other <= kButtonCount; ++other)
    button(other)->setFocusPolicy(other == number ? Qt::TabFocus : Qt::NoFocus);
}

// A button pressed with the mouse becomes the bar's stop, and takes the focus if the bar has it.
void TeamToolbar::pressedWithMouse(int number) {
  const bool barFocused = isAncestorOf(QApplication::focusWidget());
  makeCurrent(number);
  if (barFocused) button(number)->setFocus(Qt::MouseFocusReason);
}

// Left and Right go through the buttons in team order, round from the last to the first; Up and
// Down go to the button above or below, if there is one.
int TeamToolbar::arrowTarget(int number, int key) {
  switch (key) {
    case Qt::Key_Left:
      return number == 1 ? kButtonCount : number - 1;
    case Qt::Key_Right:
      return number == kButtonCount ? 1 : number + 1;
    case Qt::Key_Up:
      return number > kPerRow ? number - kPerRow : number;
    case Qt::Key_Down:
      return number + kPerRow <= kButtonCount ? number + kPerRow : number;
    default:
      return 0;
  }
}

bool TeamToolbar::eventFilter(QObject* watched, QEvent* event) {
  const auto found = std::find(buttons_.begin(), buttons_.end(), watched);
  if (found == buttons_.end()) return QWidget::eventFilter(watched, event);
  const int number = static_cast<int>(found - buttons_.begin()) + 1;
  if (event->type() == QEvent::FocusIn && number != current_) makeCurrent(number);
  if (event->type() == QEvent::MouseButtonPress) pressedWithMouse(number);
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    (*found)->click();
    return true;
  }
  const int target = arrowTarget(number, key->key());
  if (target == 0) return false;  // Space is the button's own; Tab moves on
  button(target)->setFocus(Qt::TabFocusReason);
  return true;
}

}  // namespace quarven::ui
