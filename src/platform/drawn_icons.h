#pragma once
// Small icons drawn in code at whatever size they are asked for: the file dialog's buttons and
// the pictures of folders, files and drives. Nothing is read from image files, so making one
// costs next to nothing until it is painted.

#include <QIcon>
#include <QStyle>
#include <optional>

namespace quarven::platform {

// The drawn icon for a standard picture, or nothing for one this set does not draw.
std::optional<QIcon> drawnIcon(QStyle::StandardPixmap picture);

}  // namespace quarven::platform
