#pragma once
// The editor's pictures, drawn when the window is built.

#include <QIcon>
#include <QPixmap>

namespace quarven::ui {

// The window's background: a greyed ice-hockey rink scene, 543 x 614, 256 colours.
QPixmap rinkScene();
// The window icon, 48 x 48: a puck in front of two crossed sticks.
QIcon editorIcon();
// The SAVE button's picture, 108 x 30: a floppy disk and the word "SAVE" on light grey.
QPixmap savePicture();
// The toolbar icon of a team (index 0..27), 16 x 16; the mask colour 0xC0C0C0 is transparent.
QPixmap teamIcon(int teamIndex);

}  // namespace quarven::ui
