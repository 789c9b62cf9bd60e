// A ROM image path that names no regular file (nothing, a folder, a named pipe, a device): the open
// check, team load and SAVE each take their failure path at once, never waiting on a pipe.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "rom/rom_check.h"
#include "save/save_pipeline.h"
#include "save_fixture.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

using Strings = std::vector<std::string>;

// Runs `operation` on its own thread and returns what it reported; past five seconds the test fails
// and opening `path` from this side (the other end of a pipe) frees the operation.
Strings withinTimeLimit(const std::function<Strings()>& operation, const std::string& path) {
  std::packaged_task<Strings()> task(operation);
  std::future<Strings> result = task.get_future();
  std::thread worker(std::move(task));
  const bool inTime = result.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  const int peer = inTime ? -1 : ::open(path.c_str(), O_RDWR | O_NONBLOCK);
  worker.join();
  if (peer >= 0) ::close(peer);
  EXPECT_TRUE(inTime) << "still waiting on " << path << " after 5 seconds";
  return result.get();
}

TEST(UnopenableFile, EveryOperationTakesItsFailurePathWithoutWaiting) {
  const TempRomFile folder(std::vector<std::uint8_t>{});  // its folder holds the pipe
  const std::string pipe = (folder.path().parent_path() / "pipe.smc").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<std::string, std::string> cases[] = {
      {"/nonexistent/quarven.smc", "No such file or directory"},
      {folder.path().parent_path().string(), "it is a folder"},
      {pipe, "not a regular file"},
      {"/dev/zero", "not a regular file"},
  };  // path, reason
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(withinTimeLimit([&, path = path] { return Strings{checkRomFile(path) ? "read" : ""}; }, path),
              Strings{""});

    SelectedTeam before;
    before.teamname[0] = "KEEP";
    const Strings load = withinTimeLimit(
        [&, path = path] {
          FileRomOpener opener(path);
          const TeamLoadResult r = loadTeam(opener, "Canucks", before);
          EXPECT_EQ(r.state, before);
          return Strings{r.outcome == TeamLoadOutcome::Failed ? r.message : "loaded"};
        },
        path);
    EXPECT_EQ(load, Strings{"The ROM image could not be opened (" + reason +
                            "), so VANCOUVER CANUCKS was not loaded."});

    const Strings saved = withinTimeLimit(
        [&, path = path] {
          SaveFixture f = makeSaveFixture("Capitals");
          FileRomOpener opener(path);
          RecordingMessenger messages;
          EXPECT_EQ(save::runSave(opener, f.team, f.input, messages).outcome, save::SaveOutcome::NotOpened);
          return messages.texts;
        },
        path);
    EXPECT_EQ(saved,
              Strings{"The ROM image could not be opened for writing (" + reason + "). Nothing was saved."});
  }
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

}  // namespace
}  // namespace quarven::testing
