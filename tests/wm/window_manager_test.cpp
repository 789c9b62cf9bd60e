// The editor under window managers that draw frames of different sizes: the window is centred on
// the screen's free area and the open dialog over the window, both by their frames; always on top
// keeps the window (its id, place and size, its painting, the dialogs it owns); Return presses a
// focused SAVE, and an Alt chord types nothing into a name box.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "editor_session.h"

namespace quarven::testing {

namespace {
constexpr const char* kAbove = "_NET_WM_STATE_ABOVE";
constexpr int kBruins = 2;

// The banner, the grid headers, the captions and the line names: white on navy.
constexpr TwipsRect kNavyControls[] = {
    {"Label1", 60, 840, 2760, 330},       {"Label4", 2880, 840, 3015, 285},
    {"Label6", 2880, 3600, 1335, 285},    {"Label15", 2880, 4080, 1920, 285},
    {"Label5", 2925, 4680, 2910, 270},    {"Text11(0)", 2925, 4935, 1092, 336},
    {"Text11(1)", 2925, 5250, 1092, 336}, {"Text11(2)", 2925, 5580, 1092, 336},
    {"Text11(3)", 2925, 5910, 1092, 336}, {"Text11(4)", 2925, 6225, 1092, 336},
    {"Text11(5)", 2925, 6555, 1092, 336}, {"Text11(6)", 2925, 6870, 1092, 336}};
constexpr TwipsRect kAbbreviationBox{"Text12", 4800, 4080, 1050, 315};
constexpr TwipsRect kSecondNameBox{"Text1(1)", 345, 1410, 2136, 336};  // the first row's name is empty
constexpr TwipsRect kSaveButton{"Command1", 2940, 7560, 2850, 750};

std::vector<char> fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

using WindowManager = EditorSession;

TEST_P(WindowManager, MainWindowFrameIsCentredOnTheScreen) {
  EXPECT_TRUE(centred(windows->frameRect(mainWindow()), windows->workArea()));
}

TEST_P(WindowManager, OpenRomDialogFrameIsCentredOverTheWindowFrame) {
  press({"ctrl+r"});
  std::optional<xcb_window_t> dialog;
  ASSERT_TRUE(waitFor([&] { return (dialog = ownedWindow(kOpenDialogTitle)).has_value(); }));
  ASSERT_TRUE(waitUntilActive(*dialog));
  EXPECT_TRUE(centred(windows->frameRect(*dialog), windows->frameRect(mainWindow())));
}

TEST_P(WindowManager, AlwaysOnTopKeepsTheWindowItsPlaceAndSize) {
  const xcb_window_t window = mainWindow();
  const Rect frame = windows->frameRect(window);
  ASSERT_FALSE(windows->hasState(window, kAbove));

  EXPECT_TRUE(pressUntil("ctrl+t", [&] { return windows->hasState(mainWindow(), kAbove); }));
  EXPECT_EQ(mainWindow(), window) << "a new window in place of the old one";
  EXPECT_EQ(windows->frameRect(mainWindow()), frame);

  EXPECT_TRUE(pressUntil("ctrl+n", [&] { return !windows->hasState(mainWindow(), kAbove); }));
  EXPECT_EQ(mainWindow(), window);
  EXPECT_EQ(windows->frameRect(mainWindow()), frame);
}

TEST_P(WindowManager, TeamLoadAfterOpenRomAndAlwaysOnTopPaintsBannerAndCaptions) {
  const auto painted = [&] {
    return std::ranges::all_of(kNavyControls, [&](const TwipsRect& c) { return share(c, kNavy) > 0.5; });
  };
  clickTeam(kBruins);
  ASSERT_TRUE(waitFor(painted));
  press({"ctrl+r"});
  ASSERT_TRUE(answerOpenDialog());
  ASSERT_TRUE(waitUntilActive(mainWindow()));
  ASSERT_TRUE(pressUntil("ctrl+t", [&] { return windows->hasState(mainWindow(), kAbove); }));
  clickTeam(kBruins);

  EXPECT_TRUE(waitFor(painted, 5s));
  for (const TwipsRect& control : kNavyControls)
    EXPECT_GT(share(control, kNavy), 0.5) << control.name << " is not painted";
}

TEST_P(WindowManager, OpenDialogAndMessageAfterAlwaysOnTopAreOwnedByTheWindowAndAboveIt) {
  ASSERT_TRUE(pressUntil("ctrl+t", [&] { return windows->hasState(mainWindow(), kAbove); }));
  press({"ctrl+r"});
  std::optional<xcb_window_t> dialog;
  ASSERT_TRUE(waitFor([&] { return (dialog = ownedWindow(kOpenDialogTitle)).has_value(); }))
      << "no open dialog owned by a window";
  ASSERT_TRUE(waitUntilActive(*dialog));

  const xcb_window_t owner = mainWindow();
  EXPECT_EQ(windows->transientFor(*dialog), owner) << "owned by a window that is gone";
  EXPECT_TRUE(centred(windows->frameRect(*dialog), windows->frameRect(owner)));
  EXPECT_TRUE(stackedAbove(*dialog, owner)) << "the dialog is below the window";

  press({"Escape"});  // no file chosen: the editor says so in a message box of its own
  std::optional<xcb_window_t> message;
  ASSERT_TRUE(waitFor([&] { return (message = ownedWindow(kEditorTitle)).has_value(); }));
  EXPECT_EQ(windows->transientFor(*message), owner);
  EXPECT_TRUE(stackedAbove(*message, owner)) << "the message is below the window";
}

TEST_P(WindowManager, ReturnOnFocusedSaveSaves) {
  const std::vector<char> before = fileBytes(rom.path());
  clickTeam(kBruins);
  ASSERT_TRUE(waitFor([&] { return share(kNavyControls[1], kNavy) > 0.5; }));
  click(kAbbreviationBox.left + kAbbreviationBox.width / 2,
        kAbbreviationBox.top + kAbbreviationBox.height / 2);
  press({"End", "BackSpace", "BackSpace", "BackSpace"});
  type("ABC");
  press({"Tab", "Return"});  // Tab goes from the abbreviation to SAVE
  ASSERT_TRUE(answerMessage()) << "Return on SAVE brought up no message";
  EXPECT_NE(fileBytes(rom.path()), before) << "nothing was saved";
}

// Alt+F and Alt+O, the keys of menus elsewhere, leave the name as it was: the SAVE after them
// leaves the image byte for byte as it was.
TEST_P(WindowManager, AltChordsTypeNothingIntoANameBox) {
  const std::vector<char> before = fileBytes(rom.path());
  clickTeam(kBruins);
  ASSERT_TRUE(waitFor([&] { return share(kNavyControls[1], kNavy) > 0.5; }));
  click(kSecondNameBox.left + kSecondNameBox.width / 2, kSecondNameBox.top + kSecondNameBox.height / 2);
  press({"alt+f", "Escape", "alt+o", "Escape"});  // Escape closes a menu an Alt chord may have opened
  click(kSaveButton.left + kSaveButton.width / 2, kSaveButton.top + kSaveButton.height / 2);
  ASSERT_TRUE(answerMessage()) << "SAVE brought up no message";
  EXPECT_TRUE(fileBytes(rom.path()) == before) << "the name changed, and SAVE wrote it";
}

INSTANTIATE_TEST_SUITE_P(, WindowManager, ::testing::ValuesIn(windowManagers()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace quarven::testing
