#pragma once
// The application's look over Qt's own style, as the editor's desktop has it: push buttons in
// dialogs carry text only, and the file dialog's pictures are drawn in code instead of being
// decoded from image files while the dialog is made (which delayed the first window noticeably).

#include <QProxyStyle>

class QApplication;

namespace quarven::platform {

class DesktopStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// Makes DesktopStyle the application's style; call once, after the application object exists.
void installDesktopStyle(QApplication& app);

}  // namespace quarven::platform
