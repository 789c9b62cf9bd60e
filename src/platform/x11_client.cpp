#include "platform/x11_client.h"

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstring>

namespace quarven::platform::x11 {

xcb_connection_t* connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t knownAtom(xcb_connection_t* c, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                      xcb_atom_t type) {
  if (property == XCB_ATOM_NONE) return {};
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr));
  if (!reply || reply->format != 32 || reply->type != type) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
  const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
  return tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
}

bool managerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature) {
  if (root == XCB_WINDOW_NONE || feature == XCB_ATOM_NONE) return false;
  const xcb_atom_t check = knownAtom(c, "_NET_SUPPORTING_WM_CHECK");
  const std::vector<std::uint32_t> manager = property32(c, root, check, XCB_ATOM_WINDOW);
  if (manager.size() != 1 || property32(c, manager[0], check, XCB_ATOM_WINDOW) != manager) return false;
  const auto supported = property32(c, root, knownAtom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  return std::ranges::find(supported, feature) != supported.end();
}

void askManager(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                const std::vector<std::uint32_t>& data) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = type;
  std::copy_n(data.begin(), std::min<std::size_t>(data.size(), 5), event.data.data32);
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

}  // namespace quarven::platform::x11
#endif
