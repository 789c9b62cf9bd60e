#include "editor_session.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace quarven::testing {

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kAreaHeight = 8475 / kTwipsPerPixel;  // the window's area below the menu bar
constexpr const char* kRomName = "quarven.smc";

std::string editorBinary() {
  const char* chosen = std::getenv("QUARVEN_WM_TESTS_EDITOR");  // to run the checks on another build
  return chosen && *chosen ? chosen : QUARVEN_EDITOR_BINARY;
}
}  // namespace

std::vector<std::string> windowManagers() {
  const char* chosen = std::getenv("QUARVEN_WM_TESTS_MANAGERS");
  std::istringstream names(chosen && *chosen ? chosen : "openbox icewm");
  std::vector<std::string> managers;
  for (std::string name; names >> name;) managers.push_back(name);
  return managers;
}

::testing::AssertionResult centred(const Rect& inner, const Rect& outer) {
  // Twice the gaps: a gap of half a pixel is as centred as an odd difference allows.
  const int dx = 2 * (inner.x - outer.x) - (outer.width - inner.width);
  const int dy = 2 * (inner.y - outer.y) - (outer.height - inner.height);
  if (std::abs(dx) <= 2 && std::abs(dy) <= 2) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << inner << " is off the centre of " << outer << " by " << dx / 2.0 << ", " << dy / 2.0;
}

void EditorSession::SetUp() {
  std::string whyNot;
  session = XSession::start(GetParam(), whyNot);
  if (!session) GTEST_SKIP() << "No desktop with a window manager for this check: " << whyNot;
  windows.emplace(session->connection(), session->root());
  const auto folder = rom.path().parent_path();
  editor = std::make_unique<ChildProcess>(std::vector<std::string>{editorBinary()}, session->environment(),
                                          folder, folder / "editor.log");
  ASSERT_TRUE(editor->started()) << editorBinary();
  ASSERT_TRUE(answerOpenDialog());
  ASSERT_TRUE(waitFor([&] { return mainWindow() != XCB_WINDOW_NONE; })) << "no main window";
  ASSERT_TRUE(waitUntilActive(mainWindow()));
}

void EditorSession::TearDown() {
  editor.reset();
  windows.reset();
  session.reset();
}

void EditorSession::press(std::initializer_list<std::string> keys) {
  std::vector<std::string> argv{"xdotool", "key"};
  argv.insert(argv.end(), keys);
  ASSERT_TRUE(runProgram(argv, session->environment()));
}

void EditorSession::type(const std::string& text) {
  ASSERT_TRUE(runProgram({"xdotool", "type", "--delay", "10", text}, session->environment()));
}

bool EditorSession::pressUntil(const std::string& shortcut, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    press({shortcut});
    if (waitFor(done, 3s)) return true;
  }
  return false;
}

void EditorSession::click(int twipsX, int twipsY) {
  const Rect at = onScreen({"", twipsX, twipsY, 0, 0});
  ASSERT_TRUE(runProgram({"xdotool", "mousemove", std::to_string(at.x), std::to_string(at.y), "click", "1",
                          "mousemove", "0", "0"},
                         session->environment()));
}

// The team buttons lie in two rows of 14 buttons of 28 x 24 pixels, one pixel in from the bar's edge.
void EditorSession::clickTeam(int number) {
  const int column = (number - 1) % 14, row = (number - 1) / 14;
  click((1 + 28 * column + 14) * kTwipsPerPixel, (1 + 24 * row + 12) * kTwipsPerPixel);
}

xcb_window_t EditorSession::mainWindow() const {
  const auto found = windows->titled(kEditorTitle, false);
  return found.size() == 1 ? found.front() : xcb_window_t(XCB_WINDOW_NONE);
}

std::optional<xcb_window_t> EditorSession::ownedWindow(const std::string& title) const {
  const auto found = windows->titled(title, true);
  if (found.empty()) return std::nullopt;
  return found.back();
}

bool EditorSession::waitUntilActive(xcb_window_t window) {
  // xfwm4, started on its own, says so late in _NET_ACTIVE_WINDOW, at once in the window's state.
  return waitFor(
      [&] { return windows->active() == window || windows->hasState(window, "_NET_WM_STATE_FOCUSED"); });
}

bool EditorSession::stackedAbove(xcb_window_t upper, xcb_window_t lower) const {
  const auto order = windows->stacking();
  const auto up = std::ranges::find(order, upper), low = std::ranges::find(order, lower);
  return up != order.end() && low != order.end() && up > low;
}

// The file-name box has the focus; a Return may first take the name the box offers to complete,
// so it is pressed until the dialog closes.
bool EditorSession::answerOpenDialog() {
  std::optional<xcb_window_t> dialog;
  const auto findDialog = [&] {
    const auto found = windows->titled(kOpenDialogTitle, false);
    const auto owned = windows->titled(kOpenDialogTitle, true);
    dialog = !found.empty() ? found.front() : !owned.empty() ? std::optional(owned.front()) : std::nullopt;
    return dialog.has_value();
  };
  if (!waitFor(findDialog) || !waitUntilActive(*dialog)) return false;
  type(kRomName);
  for (int attempt = 0; attempt < 3; ++attempt) {
    press({"Return"});
    if (waitFor([&] { return !findDialog(); }, 3s)) return true;
  }
  return false;
}

bool EditorSession::answerMessage() {
  std::optional<xcb_window_t> message;
  if (!waitFor([&] { return (message = ownedWindow(kEditorTitle)).has_value(); }, 5s) ||
      !waitUntilActive(*message))
    return false;
  press({"Return"});
  return waitFor([&] { return !ownedWindow(kEditorTitle); });
}

Rect EditorSession::onScreen(const TwipsRect& control) const {
  const Rect client = windows->clientRect(mainWindow());
  const int menuBar = client.height - kAreaHeight;
  return {client.x + control.left / kTwipsPerPixel, client.y + menuBar + control.top / kTwipsPerPixel,
          control.width / kTwipsPerPixel, control.height / kTwipsPerPixel};
}

double EditorSession::share(const TwipsRect& control, Rgb colour) const {
  const Rect r = onScreen(control);
  const auto seen = windows->pixels({r.x + 2, r.y + 2, r.width - 4, r.height - 4});
  if (seen.empty()) return 0;
  return double(std::ranges::count(seen, colour)) / double(seen.size());
}

}  // namespace quarven::testing
