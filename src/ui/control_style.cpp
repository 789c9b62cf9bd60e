#include "ui/control_style.h"

#include <QFontMetrics>
#include <QLabel>

#include "platform/system_colours.h"
#include "ui/text_box.h"

namespace quarven::ui {

using platform::sysColour;

namespace {
// Shrinks the font of a caption that is wider than its label a little, so the whole caption shows.
void fitCaption(QLabel* label) {
  const int room = label->contentsRect().width() - 2 * label->indent();
  QFont font = label->font();
  for (int step = 0; step < 8 && QFontMetrics(font).horizontalAdvance(label->text()) > room; ++step)
    font.setPointSizeF(font.pointSizeF() - 0.25);
  label->setFont(font);
}
}  // namespace

QFont arialBold(double points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

void setSystemColours(QWidget* widget, int textColour, int backgroundColour) {
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, sysColour(textColour));
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
    palette.setColor(role, sysColour(backgroundColour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* makeHeaderLabel(QWidget* parent, const QRect& geometry, const QString& caption,
                        Qt::Alignment alignment) {
  auto* label = new QLabel(caption, parent);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setAlignment(alignment);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  label->setIndent(2);
  label->setFont(arialBold(8.25));
  setSystemColours(label, platform::COLOR_WINDOW, platform::COLOR_ACTIVECAPTION);
  fitCaption(label);
  label->hide();
  return label;
}

TextBox* makeEntryBox(QWidget* parent, const QRect& geometry, int typingLimit, Qt::Alignment alignment) {
  auto* box = new TextBox(parent);
  box->setGeometry(geometry);
  box->setTypingLimit(typingLimit);
  box->setAlignment(alignment);
  box->setFlat(true);
  box->setFont(arialBold(9));
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, sysColour(platform::COLOR_INFOBK));
  box->setPalette(palette);
  box->hide();
  return box;
}

}  // namespace quarven::ui
