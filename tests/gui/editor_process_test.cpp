// The editor's own executable, started as a user starts it: a write past a file-size limit must fail
// in it rather than end it, so it ignores SIGXFSZ from its first moments.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace quarven::testing {
namespace {

// The set of signals the process ignores, as /proc shows it; nothing once it has gone.
std::optional<unsigned long long> ignoredSignals(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("SigIgn:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
  return std::nullopt;
}

TEST(EditorProcess, IgnoresTheFileSizeSignal) {
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_DFL);  // not inherited from this test
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::execl(QUARVEN_EDITOR_BINARY, QUARVEN_EDITOR_BINARY, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  const unsigned long long bit = 1ULL << (SIGXFSZ - 1);
  bool ignored = false;
  for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
       !ignored && std::chrono::steady_clock::now() < end;
       std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
    const auto mask = ignoredSignals(pid);
    ASSERT_TRUE(mask.has_value()) << "the editor ended";
    ignored = (*mask & bit) != 0;
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_TRUE(ignored) << "the editor runs with SIGXFSZ not ignored";
}

}  // namespace
}  // namespace quarven::testing
