#pragma once
// A desktop as users have one: an X server (Xvfb, on a display it picks itself) with a window
// manager (openbox, icewm, ...), and the programs a test starts on it. Everything started ends with
// the object.

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quarven::testing {

using namespace std::chrono_literals;

// Polls `done` until it holds or the time is up; true when it held.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s);

// A program started in the background, ended (terminated and waited for) with the object. Its
// output goes to `log` when one is named, else nowhere.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               const std::filesystem::path& folder = {}, const std::filesystem::path& log = {},
               int inheritedFd = -1);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  bool running();

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

// Runs a program to its end; true when it exits with 0.
bool runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment);

class XSession {
 public:
  // Starts Xvfb and the window manager of that name; null, with the reason in `whyNot`, when either
  // cannot start.
  static std::unique_ptr<XSession> start(const std::string& windowManager, std::string& whyNot);
  ~XSession();

  const std::string& display() const { return display_; }
  xcb_connection_t* connection() const { return connection_; }
  xcb_window_t root() const { return root_; }
  // This process's environment with DISPLAY set to the session and Qt on X11.
  std::vector<std::string> environment() const;

 private:
  XSession() = default;

  std::string display_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> windowManager_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = XCB_WINDOW_NONE;
};

}  // namespace quarven::testing
