#pragma once
// The fixed text of the help box: lines of at most 45 characters, each ended by CR LF.

#include <QString>

namespace quarven::ui {

QString helpText();

}  // namespace quarven::ui
