#include "platform/desktop_style.h"

#include <QApplication>

#include "platform/drawn_icons.h"

namespace quarven::platform {

int DesktopStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon DesktopStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (const std::optional<QIcon> drawn = drawnIcon(picture)) return *drawn;
  return QProxyStyle::standardIcon(picture, option, widget);
}

void installDesktopStyle(QApplication& app) {
  app.setStyle(new DesktopStyle);  // the application takes ownership
}

}  // namespace quarven::platform
