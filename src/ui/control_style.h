#pragma once
// The few looks the main window's controls share: fonts, the bordered header labels and the
// flat entry boxes.

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace quarven::ui {

class TextBox;

// Arial at the given point size, bold.
QFont arialBold(double points);
// Text and background of a widget from two of the platform's named colours.
void setSystemColours(QWidget* widget, int textColour, int backgroundColour);

// A header label: caption in COLOR_WINDOW on COLOR_ACTIVECAPTION, single-line flat border,
// Arial 8.25 bold. Alignment as given.
QLabel* makeHeaderLabel(QWidget* parent, const QRect& geometry, const QString& caption,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// An entry box of the player grid, the line slots, the team name or the abbreviation: flat, on
// COLOR_INFOBK, default text colour, Arial 9 bold.
TextBox* makeEntryBox(QWidget* parent, const QRect& geometry, int typingLimit,
                      Qt::Alignment alignment = Qt::AlignLeft);

}  // namespace quarven::ui
