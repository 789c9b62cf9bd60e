// Reads and writes that fail part way through a save: the journal that cannot read what a write
// would replace, and the ROM image file when the system refuses a real pwrite or pread (a file-size
// limit, an unusable buffer, a file cut short by another program). The file cases run in a child
// process under an alarm, so a call that kept retrying fails its test instead of hanging the run.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>

#include "rom/file_size_limit.h"
#include "rom/rom_layout.h"
#include "save/save_pipeline.h"
#include "save/write_journal.h"
#include "save_fixture.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A memory image whose reads of one place fail once `writesBeforeFailing` writes were made to it,
// as a disk that starts failing part way through a save does.
class FailingPlace : public RomImage {
 public:
  FailingPlace(MemoryRom& rom, std::uint32_t offset, std::size_t count, int writesBeforeFailing = 1)
      : rom_(rom), from_(offset), to_(offset + count), writesBeforeFailing_(writesBeforeFailing) {}
  std::size_t size() const override { return rom_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override {
    if (writes >= writesBeforeFailing_ && offset < to_ && offset + out.size() > from_) return false;
    return rom_.read(offset, out);
  }
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override {
    ++writes;
    return rom_.write(offset, bytes);
  }
  int writes = 0;

 private:
  MemoryRom& rom_;
  std::uint32_t from_, to_;
  int writesBeforeFailing_;
};

class FailingPlaceOpener : public RomOpener {
 public:
  FailingPlaceOpener(MemoryRom& rom, std::uint32_t offset, std::size_t count)
      : rom_(rom), offset_(offset), count_(count) {}
  std::unique_ptr<RomImage> open(FileRom::Mode, std::string*) override {
    return std::make_unique<FailingPlace>(rom_, offset_, count_, 0);
  }

 private:
  MemoryRom& rom_;
  std::uint32_t offset_;
  std::size_t count_;
};

TEST(WriteJournal, WritesNothingWhoseBytesItCannotRead) {
  MemoryRom memory(Bytes{0, 1, 2, 3, 4, 5, 6, 7});
  FailingPlace image(memory, 4, 2);
  save::WriteJournal journal(image);
  ASSERT_TRUE(journal.write(0, Bytes{9, 9}));
  EXPECT_FALSE(journal.write(4, Bytes{8}));
  EXPECT_FALSE(journal.write(3, Bytes{8, 8}));  // partly over the unreadable place
  EXPECT_EQ(image.writes, 1);
  EXPECT_TRUE(journal.restore());
  EXPECT_EQ(memory.bytes(), (Bytes{0, 1, 2, 3, 4, 5, 6, 7}));
}

// A write refused before it changed a byte, with every later write refused too: its range is as it
// was, so it counts as put back; the range written before it cannot be put back.
TEST(WriteJournal, ARangeTheFailedWriteLeftAsItWasCountsAsPutBack) {
  for (const bool earlierWrite : {false, true}) {
    SCOPED_TRACE(earlierWrite ? "after a write" : "first write");
    MemoryRom memory(Bytes{0, 1, 2, 3});
    MemoryOpener opener(memory);
    const auto view = opener.open(FileRom::Mode::ReadWrite, nullptr);
    save::WriteJournal journal(*view);
    if (earlierWrite) {
      ASSERT_TRUE(journal.write(0, Bytes{9}));
    }
    opener.failingWrite = opener.writes;  // a one-byte write that fails writes none of it
    opener.laterWritesFail = true;
    EXPECT_FALSE(journal.write(2, Bytes{8}));
    EXPECT_EQ(journal.restore(), !earlierWrite);
    EXPECT_EQ(memory.bytes(), (Bytes{earlierWrite ? std::uint8_t{9} : std::uint8_t{0}, 1, 2, 3}));
  }
}

constexpr const char* kPutBack =
    "Writing to the ROM image failed, so the save was stopped. What it had written was put back: the "
    "ROM image is as it was before this save. Check that the file still exists and can be written, "
    "then save again.";

// Every place an edited save writes: one whose bytes cannot be read stops the save before it writes
// anything, as the save reads each place once, to compare it with what it will write.
TEST(WriteJournal, AnUnreadablePlaceStopsTheSaveBeforeItWrites) {
  const TeamRow& row = *findTeamByKey("Canucks");
  const std::tuple<const char*, std::uint32_t, std::size_t> places[] = {
      {"home palette", layout::homePalette(row.index), layout::kPaletteSize},
      {"away palette", layout::awayPalette(row.index), layout::kPaletteSize},
      {"team-name pointers", layout::kTeamNamePointerOffset, 2 * 28},
      {"team-name block", layout::kTeamNameBlockOffset, layout::kTeamNameBlockSize},
      {"abbreviation", row.abbrevOffset, layout::kAbbrevFieldSize},
      {"player records", row.firstRecord, static_cast<std::size_t>(row.recordBudget) + 2},
      {"line table", layout::lineTable(row.firstRecord), layout::kLineTableSize},
  };
  for (const auto& [name, offset, count] : places) {
    SCOPED_TRACE(name);
    SaveFixture f = makeSaveFixture("Canucks", true);
    f.input.teamNameText = "Whales";
    f.input.abbrevText = "ZZZ";
    f.input.nameTexts[0] = "Changed";
    f.input.numberTexts[1] = "77";
    const Bytes before = f.rom.bytes();
    FailingPlaceOpener opener(f.rom, offset, count);
    RecordingMessenger messages;
    const save::SaveResult result = save::runSave(opener, f.team, f.input, messages);
    EXPECT_EQ(result.outcome, save::SaveOutcome::NotRead);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"The ROM image could not be read to compare it with "
                                                       "what this save will write. Nothing was saved."});
    EXPECT_TRUE(f.rom.bytes() == before);
  }
}

constexpr unsigned kChildSeconds = 10;

// Runs body in a child process and returns what it reported, or how the child ended without
// reporting: by the alarm after kChildSeconds (a call that never returns), or by another signal.
std::string inChild(const std::function<std::string()>& body) {
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid < 0) return "no child";
  if (pid == 0) {
    ::close(ends[0]);
    ::alarm(kChildSeconds);
    const std::string report = body();
    for (std::size_t done = 0; done < report.size();) {
      const ssize_t n = ::write(ends[1], report.data() + done, report.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(ends[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0)
      report.append(buffer, static_cast<std::size_t>(n));
    else if (errno != EINTR)
      break;
  }
  ::close(ends[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
    return "still running after " + std::to_string(kChildSeconds) + " seconds";
  if (WIFSIGNALED(status)) return std::string("ended by signal: ") + ::strsignal(WTERMSIG(status));
  return report;
}

// Sets this process's file-size limit (the limit `ulimit -f` sets).
bool limitFileSize(std::uint32_t bytes) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
  limit.rlim_cur = bytes;
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// "done", or why not: the error the last system call left, if any.
std::string outcome(bool done) {
  if (done) return "done";
  return errno != 0 ? std::strerror(errno) : "failed";
}

Bytes patterned(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return bytes;
}

constexpr std::uint32_t kLimit = 0x8000;  // the child's file-size limit, within a 64 KiB file

// A write that would reach past the limit fails with EFBIG at once, also after writing the part
// below it; reads and writes below the limit, and reads above it, go on working.
TEST(FileRom, AWritePastTheFileSizeLimitFailsAtOnce) {
  Bytes bytes = patterned(0x10000);
  const TempRomFile file(bytes);
  const std::string report = inChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    if (!limitFileSize(kLimit)) return std::string("no limit");
    const auto rom = FileRom::open(file.pathText(), FileRom::Mode::ReadWrite);
    Bytes back(4);
    std::string r;
    errno = 0, r += "past: " + outcome(rom->write(kLimit + 16, Bytes{1, 2, 3, 4}));
    errno = 0, r += ", across: " + outcome(rom->write(kLimit - 2, Bytes{1, 2, 3, 4}));
    errno = 0, r += ", below: " + outcome(rom->write(kLimit - 8, Bytes{5, 6}));
    errno = 0, r += ", read past: " + outcome(rom->read(kLimit + 16, back));
    return r;
  });
  EXPECT_EQ(report, "past: File too large, across: File too large, below: done, read past: done");
  bytes[kLimit - 8] = 5, bytes[kLimit - 7] = 6, bytes[kLimit - 2] = 1, bytes[kLimit - 1] = 2;
  EXPECT_TRUE(file.contents() == bytes);
}

// A buffer the system cannot use (EFAULT) fails a read and a write at once; so does a read of a file
// that another program cut short after it was opened.
TEST(FileRom, AReadOrWriteTheSystemRefusesFailsAtOnce) {
  const Bytes bytes = patterned(4096);
  const TempRomFile file(bytes);
  const std::string report = inChild([&] {
    const auto rom = FileRom::open(file.pathText(), FileRom::Mode::ReadWrite);
    void* page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page == MAP_FAILED) return std::string("no page");
    const std::span<std::uint8_t> unusable(static_cast<std::uint8_t*>(page), 4);
    Bytes back(4);
    std::string r;
    errno = 0, r += "read: " + outcome(rom->read(16, unusable));
    errno = 0, r += ", write: " + outcome(rom->write(16, unusable));
    if (::truncate(file.pathText().c_str(), 8) != 0) return r + ", not cut short";
    errno = 0, r += ", read of a cut file: " + outcome(rom->read(16, back));
    return r;
  });
  EXPECT_EQ(report, "read: Bad address, write: Bad address, read of a cut file: failed");
  EXPECT_TRUE(file.contents() == Bytes(bytes.begin(), bytes.begin() + 8));
}

// Under a file-size limit that lies below the team-name places, a SAVE that writes an edited team
// name writes the palettes, is refused the pointer table and puts the palettes back, as the editor
// does from start (where it calls ignoreFileSizeSignal).
TEST(FileSizeLimit, ASaveThatReachesItIsPutBackAndReported) {
  SaveFixture f = makeSaveFixture("Canucks", true);
  f.input.teamNameText = "Whales";
  f.input.recoloured[0] = true;
  f.input.sampleColours[0] = 0xE02000;
  ASSERT_LT(layout::homePalette(f.row->index) + layout::kPaletteSize, layout::kTeamNamePointerOffset);
  const Bytes before = f.rom.bytes();
  const TempRomFile file(before);
  const std::string report = inChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);  // as a new process starts
    ignoreFileSizeSignal();
    if (!limitFileSize(layout::kTeamNamePointerOffset)) return std::string("no limit");
    FileRomOpener opener(file.pathText());
    RecordingMessenger messages;
    const save::SaveResult r = save::runSave(opener, f.team, f.input, messages);
    std::string shown = r.outcome == save::SaveOutcome::WriteFailed ? "write failed" : "other outcome";
    for (const std::string& text : messages.texts) shown += ": " + text;
    return shown;
  });
  EXPECT_EQ(report, std::string("write failed: ") + kPutBack);
  EXPECT_TRUE(file.contents() == before);
}

}  // namespace
}  // namespace quarven::testing
