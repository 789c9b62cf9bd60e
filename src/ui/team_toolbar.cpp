#include "ui/team_toolbar.h"

#include <QToolButton>

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
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(tooltipOf(number, key));
    if (number - 1 < imageList.size()) button->setIcon(QIcon(imageList[number - 1]));
    button->setIconSize(QSize(16, 16));
    const int row = (number - 1) / kPerRow;
    const int column = (number - 1) % kPerRow;
    button->setGeometry(kMargin + column * kButtonSize.width(), kMargin + row * kButtonSize.height(),
                        kButtonSize.width(), kButtonSize.height());
    connect(button, &QToolButton::clicked, this, [this, key] { emit buttonClick(key); });
    buttons_.push_back(button);
    keys_.push_back(key);
  }
}

QToolButton* TeamToolbar::button(int number) const {
  return number >= 1 && number <= kButtonCount ? buttons_[static_cast<std::size_t>(number - 1)] : nullptr;
}

QString TeamToolbar::key(int number) const {
  return button(number) ? keys_[static_cast<std::size_t>(number - 1)] : QString();
}

}  // namespace quarven::ui
