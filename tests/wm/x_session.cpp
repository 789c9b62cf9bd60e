#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "platform/x11_client.h"

extern char** environ;

namespace quarven::testing {

namespace {
// argv and envp as posix_spawn takes them, pointing into the strings.
std::vector<char*> pointers(const std::vector<std::string>& strings) {
  std::vector<char*> p;
  for (const std::string& s : strings) p.push_back(const_cast<char*>(s.c_str()));
  p.push_back(nullptr);
  return p;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::filesystem::path& folder, const std::filesystem::path& log, int inheritedFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string out = log.empty() ? std::string("/dev/null") : log.string();
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  // Every descriptor of this process is closed on exec but the one the child is to keep.
  for (int fd = 3; fd < 256; ++fd)
    if (fd != inheritedFd && fcntl(fd, F_GETFD) >= 0) fcntl(fd, F_SETFD, FD_CLOEXEC);
  pid_t pid = -1;
  const auto args = pointers(argv);
  const auto env = pointers(environment);
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The display number Xvfb writes to the descriptor once it accepts clients; empty when it writes
// none in time.
std::string readDisplayNumber(int fd, std::chrono::milliseconds timeout) {
  std::string text;
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (text.find('\n') == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0) return {};
    char buffer[32];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return {};
    text.append(buffer, std::size_t(n));
  }
  return text.substr(0, text.find('\n'));
}

// How a window manager is started on its own, without the session it usually comes with: those
// that keep their settings through D-Bus get a bus of their own.
std::vector<std::string> managerCommand(const std::string& name) {
  if (name == "xfwm4") return {"dbus-run-session", "xfwm4"};
  if (name == "kwin") return {"dbus-run-session", "kwin_x11"};
  if (name == "mutter") return {"mutter", "--x11", "--replace"};
  return {name};
}

// Whether a window manager has taken the screen: its check window names itself and it lists the
// states.
bool managing(xcb_connection_t* c, xcb_window_t root) {
  using namespace platform::x11;
  return managerSupports(c, root, knownAtom(c, "_NET_WM_STATE_ABOVE"));
}

// Whether the window manager has said which part of the screen it leaves to windows (a panel takes
// the rest), where it says so at all.
bool workAreaTold(xcb_connection_t* c, xcb_window_t root) {
  using namespace platform::x11;
  return !property32(c, root, knownAtom(c, "_NET_WORKAREA"), XCB_ATOM_CARDINAL).empty();
}
}  // namespace

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                           const std::filesystem::path& folder, const std::filesystem::path& log,
                           int inheritedFd)
    : pid_(spawn(argv, environment, folder, log, inheritedFd)) {}

bool ChildProcess::running() {
  if (pid_ <= 0 || ended_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) ended_ = true;
  return !ended_;
}

ChildProcess::~ChildProcess() {
  if (!running()) return;
  kill(pid_, SIGTERM);
  if (!waitFor([this] { return !running(); }, 5s)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment) {
  const pid_t pid = spawn(argv, environment, {}, {}, -1);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::unique_ptr<XSession> XSession::start(const std::string& windowManager, std::string& whyNot) {
  std::unique_ptr<XSession> session(new XSession);
  int fds[2];
  if (pipe(fds) != 0) {
    whyNot = "no pipe for Xvfb's display number";
    return nullptr;
  }
  session->server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"},
      std::vector<std::string>{}, std::filesystem::path{}, std::filesystem::path{}, fds[1]);
  close(fds[1]);
  const std::string number = session->server_->started() ? readDisplayNumber(fds[0], 10s) : std::string();
  close(fds[0]);
  if (number.empty()) {
    whyNot = "Xvfb could not start";
    return nullptr;
  }
  session->display_ = ":" + number;
  session->connection_ = xcb_connect(session->display_.c_str(), nullptr);
  if (xcb_connection_has_error(session->connection_)) {
    whyNot = "no connection to Xvfb on " + session->display_;
    return nullptr;
  }
  session->root_ = xcb_setup_roots_iterator(xcb_get_setup(session->connection_)).data->root;

  session->windowManager_ =
      std::make_unique<ChildProcess>(managerCommand(windowManager), session->environment());
  if (!session->windowManager_->started() ||
      !waitFor([&] { return managing(session->connection_, session->root_); })) {
    whyNot = windowManager + " could not start on " + session->display_;
    return nullptr;
  }
  waitFor([&] { return workAreaTold(session->connection_, session->root_); }, 1s);  // before Qt reads it
  return session;
}

XSession::~XSession() {
  if (connection_) xcb_disconnect(connection_);
  windowManager_.reset();
  server_.reset();
}

// Qt on X11 loads libxkbcommon-x11, which hands strndup buffers that are not NUL-terminated, as
// strndup allows; AddressSanitizer's strict string checks report that as a read past the end. The
// programs started here run with every other sanitizer option of this process.
std::vector<std::string> XSession::environment() const {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    std::string entry(*e);
    if (entry.starts_with("DISPLAY=") || entry.starts_with("QT_QPA_PLATFORM=")) continue;
    if (entry.starts_with("ASAN_OPTIONS="))
      for (std::size_t at; (at = entry.find("strict_string_checks=1")) != std::string::npos;)
        entry.replace(at, std::strlen("strict_string_checks=1"), "strict_string_checks=0");
    env.push_back(entry);
  }
  env.push_back("DISPLAY=" + display_);
  env.push_back("QT_QPA_PLATFORM=xcb");
  return env;
}

}  // namespace quarven::testing
