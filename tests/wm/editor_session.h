#pragma once
// The real editor on a desktop with a window manager, driven as a user drives it: keys and clicks
// through the X server (xdotool), the open dialog answered with the name of a synthetic image in
// the editor's working folder, and what it shows read back through the window manager and the
// screen's pixels. Each test gets its own X server, window manager and editor; a test runs once
// under each window manager of windowManagers().

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "synthetic_rom.h"
#include "temp_rom_file.h"
#include "x_session.h"
#include "x_windows.h"

namespace quarven::testing {

// Rectangles of the main window's controls in twips, from the top-left corner of the area below
// the menu bar (15 twips a pixel).
struct TwipsRect {
  const char* name;
  int left, top, width, height;
};

// openbox, and icewm, whose title bar is of another height and whose panel takes room from the
// screen; QUARVEN_WM_TESTS_MANAGERS="openbox fluxbox xfwm4 mutter kwin" names others.
std::vector<std::string> windowManagers();

// Whether the frame `inner` is centred on `outer`, to the pixel either way.
::testing::AssertionResult centred(const Rect& inner, const Rect& outer);

class EditorSession : public ::testing::TestWithParam<std::string> {
 protected:
  static constexpr const char* kOpenDialogTitle = "Open A SNES QUARVEN Rom.";
  static constexpr const char* kEditorTitle = "QUARVEN EDITOR";
  static constexpr Rgb kNavy{0, 0, 128};

  // Starts the desktop (or skips when it cannot start) and the editor, and opens the image.
  void SetUp() override;
  void TearDown() override;

  // xdotool's key names, pressed one after the other ("ctrl+t", "Return").
  void press(std::initializer_list<std::string> keys);
  void type(const std::string& text);
  // Presses a menu shortcut until what it does shows: a window that has just become active may
  // not take shortcuts yet. The shortcut is one that may be repeated.
  bool pressUntil(const std::string& shortcut, const std::function<bool()>& done);
  // A left click at a point of the main window's area below the menu bar, in twips; the pointer
  // then leaves the window, so that no tooltip covers it.
  void click(int twipsX, int twipsY);
  void clickTeam(int number);

  // The one main window (titled, transient for no window); none while there is not exactly one.
  xcb_window_t mainWindow() const;
  // A window with this title that is transient for another one, if there is one.
  std::optional<xcb_window_t> ownedWindow(const std::string& title) const;
  // Waits for the open dialog, types the image's name into it and accepts it.
  bool answerOpenDialog();
  // Waits for a message box of the editor and presses its OK button with Return.
  bool answerMessage();
  // The screen rectangle of a control of the main window.
  Rect onScreen(const TwipsRect& control) const;
  // The share of a control's pixels, a border's width in from its edge, that show the colour.
  double share(const TwipsRect& control, Rgb colour) const;
  bool waitUntilActive(xcb_window_t window);
  // Whether the window manager keeps one window above the other.
  bool stackedAbove(xcb_window_t upper, xcb_window_t lower) const;

  TempRomFile rom{SyntheticRom()};
  std::unique_ptr<XSession> session;
  std::optional<XWindows> windows;
  std::unique_ptr<ChildProcess> editor;
};

}  // namespace quarven::testing
