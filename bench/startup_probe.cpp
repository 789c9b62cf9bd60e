// Measures how long a program takes to show its window on an X display: starts it, watches the
// root window for top-level windows being mapped, and stops the clock when one with the awaited
// title is. Windows named with --cancel are answered with the Escape key as soon as they map (the
// open dialog the editor shows before its window). Prints one line per run, then the medians of
// the first window and of the awaited one.
//
//   startup_probe [--until TITLE] [--cancel TITLE]... [--runs N] [--timeout SECONDS] -- PROGRAM [ARGS]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
  double firstMapMs = -1;  // the first top-level window of the program, whatever it is
  double untilMs = -1;     // the awaited window
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

std::optional<RunTimes> runOnce(Display* display, const Options& o) {
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
  std::set<Window> watched;  // mapped top-level windows whose titles may still change
  std::set<Window> answered;
  const auto look = [&](Window window) {
    const std::string name = title(display, window);
    if (name == o.until) times.untilMs = msSince(start);
    if (std::find(o.cancel.begin(), o.cancel.end(), name) != o.cancel.end() && answered.insert(window).second)
      pressEscape(display, window);
  };
  const int fd = ConnectionNumber(display);
  while (times.untilMs < 0 && msSince(start) < o.timeoutSeconds * 1000) {
    if (!XPending(display)) {
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 50);
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) break;  // ended before showing the window
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
      if (times.firstMapMs < 0) times.firstMapMs = msSince(start);
      watched.insert(event.xmap.window);
      XSelectInput(display, event.xmap.window, PropertyChangeMask);
      look(event.xmap.window);
    } else if (event.type == PropertyNotify && watched.count(event.xproperty.window)) {
      look(event.xproperty.window);
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  if (times.untilMs < 0) return std::nullopt;
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
  std::vector<double> firstMs, untilMs;
  for (int run = 0; run < options->runs; ++run) {
    const auto times = runOnce(display, *options);
    if (!times) {
      std::fprintf(stderr, "run %d: no window titled \"%s\" within %.0f s\n", run + 1, options->until.c_str(),
                   options->timeoutSeconds);
      return 1;
    }
    std::printf("run %d: first window %.1f ms, \"%s\" %.1f ms\n", run + 1, times->firstMapMs,
                options->until.c_str(), times->untilMs);
    firstMs.push_back(times->firstMapMs);
    untilMs.push_back(times->untilMs);
  }
  const auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("median: first window %.1f ms, \"%s\" %.1f ms\n", median(firstMs), options->until.c_str(),
              median(untilMs));
  XCloseDisplay(display);
  return 0;
}
