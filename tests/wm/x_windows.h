#pragma once
// What the window manager and the screen show of the windows on a display: the managed windows,
// their titles, owners, states, rectangles with and without frame, their order, and the pixels.

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quarven::testing {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Rect& r);

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

class XWindows {
 public:
  XWindows(xcb_connection_t* c, xcb_window_t root) : c_(c), root_(root) {}

  // The windows the window manager manages, from the bottom of the stacking order to the top.
  std::vector<xcb_window_t> stacking() const;
  std::string title(xcb_window_t window) const;
  // The window this one is transient for (its owner), if any.
  std::optional<xcb_window_t> transientFor(xcb_window_t window) const;
  // The managed windows with this title, transient ones or the others.
  std::vector<xcb_window_t> titled(const std::string& title, bool transient) const;
  bool hasState(xcb_window_t window, const char* state) const;
  // The window that has the input focus, as the window manager says.
  xcb_window_t active() const;

  // Screen rectangles: the window's own (client) area, and with the frame the manager draws.
  Rect clientRect(xcb_window_t window) const;
  Rect frameRect(xcb_window_t window) const;
  Rect screen() const;
  // The part of the screen the window manager leaves to windows (no panel); the screen when it
  // does not say.
  Rect workArea() const;

  // The colours the screen shows in a rectangle, row by row.
  std::vector<Rgb> pixels(const Rect& r) const;

 private:
  // The window's ancestor that is a child of the root: the frame the manager put it in.
  xcb_window_t frameOf(xcb_window_t window) const;

  xcb_connection_t* c_;
  xcb_window_t root_;
};

}  // namespace quarven::testing
