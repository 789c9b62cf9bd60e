// Measures how long a program takes to show its window on an X display: starts it, watches the
// root window for top-level windows being mapped and (through the DAMAGE extension) first drawn
// into, and stops the clock once the window with the awaited title has mapped and the first
// window has been painted. Windows named with --cancel are answered with the Escape key once they
// have been painted, as a user would (the open dialog the editor shows before its window). Prints
// one line per run: the first window's map and first paint, the awaited window's map and the
// program's peak memory (its largest resident set until it is ended); then the minimum, median
// and maximum of each.
//
//   startup_probe [--until TITLE] [--cancel TITLE]... [--runs N] [--timeout SECONDS] -- PROGRAM [ARGS]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string until = "QUARVEN EDITOR";
  std::vector<std::string> cancel;
  int runs = 5;
  double timeoutSeconds = 30;
  std::vector<char*> command;
};

struct RunTimes {
  double firstMapMs = -1;    // the first top-level window of the program, whatever it is
  double firstPaintMs = -1;  // the first drawing into that window after it mapped
  double untilMs = -1;       // the awaited window
  double peakMiB = -1;       // the program's largest resident set
};

// A top-level window of the program: whether it has mapped, and been drawn into since.
struct Watched {
  Damage damage = None;
  bool mapped = false;
  bool painted = false;
};

std::optional<Options> parse(int argc, char** argv) {
  Options o;
  int i = 1;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return std::nullopt;
    const char* value = argv[++i];
    if (flag == "--until")
      o.until = value;
    else if (flag == "--cancel")
      o.cancel.emplace_back(value);
    else if (flag == "--runs")
      o.runs = std::max(1, std::atoi(value));
    else if (flag == "--timeout")
      o.timeoutSeconds = std::atof(value);
    else
      return std::nullopt;
  }
  for (++i; i < argc; ++i) o.command.push_back(argv[i]);
  if (o.command.empty()) return std::nullopt;
  o.command.push_back(nullptr);
  return o;
}

// The window's title: _NET_WM_NAME when set, WM_NAME otherwise.
std::string title(Display* display, Window window) {
  static const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after,
                         &data) == Success &&
      data) {
    text.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  if (text.empty()) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
      text = name;
      XFree(name);
    }
  }
  return text;
}

void pressEscape(Display* display, Window window) {
  XKeyEvent key{};
  key.display = display;
  key.window = window;
  key.root = DefaultRootWindow(display);
  key.subwindow = None;
  key.time = CurrentTime;
  key.same_screen = True;
  key.keycode = XKeysymToKeycode(display, XK_Escape);
  for (const int type : {KeyPress, KeyRelease}) {
    key.type = type;
    XEvent event{};
    event.xkey = key;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
  }
  XFlush(display);
}

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<RunTimes> runOnce(Display* display, int damageEvent, const Options& o) {
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, True);  // drop what earlier runs left

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    execvp(o.command[0], o.command.data());
    std::perror("exec");
    _exit(127);
  }

  RunTimes times;
  std::map<Window, Watched> watched;  // top-level windows, from their creation on
  Window first = None;
  std::set<Window> answered;
  // Titles may be set or changed after the map: looked at again on every property change.
  const auto look = [&](Window window) {
    const Watched& w = watched[window];
    if (!w.mapped) return;
    const std::string name = title(display, window);
    if (name == o.until && times.untilMs < 0) times.untilMs = msSince(start);
    if (w.painted && std::find(o.cancel.begin(), o.cancel.end(), name) != o.cancel.end() &&
        answered.insert(window).second)
      pressEscape(display, window);
  };
  const int fd = ConnectionNumber(display);
  while ((times.untilMs < 0 || times.firstPaintMs < 0) && msSince(start) < o.timeoutSeconds * 1000) {
    if (!XPending(display)) {
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 50);
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) return std::nullopt;  // ended before showing it
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
        !event.xcreatewindow.override_redirect) {
      // Watched from its creation, so that no drawing right after the map goes unseen.
      Watched& w = watched[event.xcreatewindow.window];
      w.damage = XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
      XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
    } else if (event.type == MapNotify && event.xmap.event == root && watched.count(event.xmap.window)) {
      if (times.firstMapMs < 0) times.firstMapMs = msSince(start), first = event.xmap.window;
      watched[event.xmap.window].mapped = true;
      look(event.xmap.window);
    } else if (event.type == PropertyNotify && watched.count(event.xproperty.window)) {
      look(event.xproperty.window);
    } else if (event.type == damageEvent + XDamageNotify) {
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      const auto it = watched.find(damage.drawable);
      if (it == watched.end()) continue;
      XDamageSubtract(display, damage.damage, None, None);  // report the next drawing too
      if (!it->second.mapped || it->second.painted) continue;
      it->second.painted = true;
      if (damage.drawable == first) times.firstPaintMs = msSince(start);
      look(damage.drawable);
    }
  }
  for (const auto& [window, w] : watched)
    if (w.damage != None) XDamageDestroy(display, w.damage);
  XSync(display, True);  // windows already gone give errors, which the handler set in main ignores
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  times.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;  // ru_maxrss is in KiB
  if (times.untilMs < 0 || times.firstPaintMs < 0) return std::nullopt;
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = parse(argc, argv);
  if (!options) {
    std::fprintf(
        stderr,
        "usage: %s [--until TITLE] [--cancel TITLE]... [--runs N] [--timeout SECONDS] -- PROGRAM [ARGS]\n",
        argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display (set DISPLAY)\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 2;
  }
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // windows that closed meanwhile
  std::vector<double> mapMs, paintMs, untilMs, peakMiB;
  for (int run = 0; run < options->runs; ++run) {
    const auto times = runOnce(display, damageEvent, *options);
    if (!times) {
      std::fprintf(stderr, "run %d: no window titled \"%s\", or no first paint, within %.0f s\n", run + 1,
                   options->until.c_str(), options->timeoutSeconds);
      return 1;
    }
    std::printf("run %d: first window %.1f ms, first paint %.1f ms, \"%s\" %.1f ms, peak %.1f MiB\n", run + 1,
                times->firstMapMs, times->firstPaintMs, options->until.c_str(), times->untilMs,
                times->peakMiB);
    mapMs.push_back(times->firstMapMs);
    paintMs.push_back(times->firstPaintMs);
    untilMs.push_back(times->untilMs);
    peakMiB.push_back(times->peakMiB);
  }
  const auto spread = [](const char* what, std::vector<double> v, const char* unit) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    std::printf("%s min/median/max: %.1f %.1f %.1f %s\n", what, v.front(), median, v.back(), unit);
  };
  spread("first window", mapMs, "ms");
  spread("first paint", paintMs, "ms");
  spread(("\"" + options->until + "\"").c_str(), untilMs, "ms");
  spread("peak memory", peakMiB, "MiB");
  XCloseDisplay(display);
  return 0;
}
