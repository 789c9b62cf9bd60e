#include "x_windows.h"

#include <algorithm>

#include "platform/x11_client.h"

namespace quarven::testing {

using platform::x11::knownAtom;
using platform::x11::property32;
using platform::x11::Reply;

std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << r.width << "x" << r.height << "+" << r.x << "+" << r.y;
}

std::vector<xcb_window_t> XWindows::stacking() const {
  auto order = property32(c_, root_, knownAtom(c_, "_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW);
  if (!order.empty()) return order;
  // A manager that lists the property without setting it (xfwm4): the managed windows in the
  // order the X server stacks their frames, the root's children.
  order = property32(c_, root_, knownAtom(c_, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
  const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c_, xcb_query_tree(c_, root_), nullptr));
  if (!tree) return order;
  const xcb_window_t* top = xcb_query_tree_children(tree.get());
  const std::vector<xcb_window_t> frames(top, top + xcb_query_tree_children_length(tree.get()));
  const auto place = [&](xcb_window_t window) {
    return std::ranges::find(frames, frameOf(window)) - frames.begin();
  };
  std::ranges::stable_sort(order, {}, place);
  return order;
}

xcb_window_t XWindows::frameOf(xcb_window_t window) const {
  for (;;) {
    const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c_, xcb_query_tree(c_, window), nullptr));
    if (!tree || tree->parent == root_ || tree->parent == XCB_WINDOW_NONE) return window;
    window = tree->parent;
  }
}

std::string XWindows::title(xcb_window_t window) const {
  const xcb_atom_t name = knownAtom(c_, "_NET_WM_NAME");
  const xcb_atom_t utf8 = knownAtom(c_, "UTF8_STRING");
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, name, utf8, 0, 256), nullptr));
  if (!reply || reply->format != 8) return {};
  return {static_cast<const char*>(xcb_get_property_value(reply.get())),
          std::size_t(xcb_get_property_value_length(reply.get()))};
}

std::optional<xcb_window_t> XWindows::transientFor(xcb_window_t window) const {
  const auto owner = property32(c_, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW);
  if (owner.size() != 1) return std::nullopt;
  return owner.front();
}

std::vector<xcb_window_t> XWindows::titled(const std::string& wanted, bool transient) const {
  std::vector<xcb_window_t> found;
  for (xcb_window_t w : stacking())
    if (title(w) == wanted && transientFor(w).has_value() == transient) found.push_back(w);
  return found;
}

bool XWindows::hasState(xcb_window_t window, const char* state) const {
  const auto states = property32(c_, window, knownAtom(c_, "_NET_WM_STATE"), XCB_ATOM_ATOM);
  return std::ranges::find(states, knownAtom(c_, state)) != states.end();
}

xcb_window_t XWindows::active() const {
  const auto active = property32(c_, root_, knownAtom(c_, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
  return active.size() == 1 ? active.front() : xcb_window_t(XCB_WINDOW_NONE);
}

Rect XWindows::clientRect(xcb_window_t window) const {
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr));
  const Reply<xcb_translate_coordinates_reply_t> place(
      xcb_translate_coordinates_reply(c_, xcb_translate_coordinates(c_, window, root_, 0, 0), nullptr));
  if (!geometry || !place) return {};
  return {place->dst_x, place->dst_y, geometry->width, geometry->height};
}

Rect XWindows::frameRect(xcb_window_t window) const {
  const Rect client = clientRect(window);
  const auto m = property32(c_, window, knownAtom(c_, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
  if (m.size() != 4) return client;
  const int left = int(m[0]), right = int(m[1]), top = int(m[2]), bottom = int(m[3]);
  return {client.x - left, client.y - top, client.width + left + right, client.height + top + bottom};
}

Rect XWindows::screen() const {
  return clientRect(root_);
}

Rect XWindows::workArea() const {
  const auto area = property32(c_, root_, knownAtom(c_, "_NET_WORKAREA"), XCB_ATOM_CARDINAL);
  if (area.size() < 4) return screen();
  return {int(area[0]), int(area[1]), int(area[2]), int(area[3])};
}

std::vector<Rgb> XWindows::pixels(const Rect& r) const {
  const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
      c_,
      xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, std::int16_t(r.x), std::int16_t(r.y),
                    std::uint16_t(r.width), std::uint16_t(r.height), ~0u),
      nullptr));
  std::vector<Rgb> colours;
  // A 24-bit screen keeps a pixel in four bytes: blue, green, red, unused.
  if (!image || xcb_get_image_data_length(image.get()) != r.width * r.height * 4) return colours;
  const std::uint8_t* data = xcb_get_image_data(image.get());
  for (int i = 0; i < r.width * r.height; ++i)
    colours.push_back({data[4 * i + 2], data[4 * i + 1], data[4 * i]});
  return colours;
}

}  // namespace quarven::testing
