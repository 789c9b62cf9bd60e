// Team load and SAVE of every team through the core on a real file, each beside its floor: the
// same bytes moved with one pread (load) or one pwrite (save) per structure, with the file opened
// and closed around them as the core does. After the runs a table gives each ratio.
//
//   build-bench/bench/team_bench [--benchmark_filter=Kings]

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "rom/record_walk.h"
#include "rom/rom_layout.h"
#include "rom/team_load.h"
#include "rom/team_table.h"
#include "save/save_pipeline.h"
#include "save_fixture.h"
#include "synthetic_rom.h"
#include "temp_rom_file.h"

using namespace quarven;

namespace {

struct Place {
  std::uint32_t offset;
  std::size_t size;
};

// What team load reads, structure by structure.
std::vector<Place> loadPlaces(const TeamRow& row) {
  const std::size_t records =
      std::min<std::size_t>(static_cast<std::size_t>(row.recordBudget) + 2, kMaxRecordArea);
  return {{layout::kTeamNameBlockOffset, layout::kTeamNameBlockRead},
          {layout::lineTable(row.firstRecord), layout::kLineTableSize},
          {row.firstRecord, records},
          {row.abbrevOffset, layout::kAbbrevFieldSize},
          {layout::homePalette(row.index), layout::kPaletteBytesRead},
          {layout::awayPalette(row.index), layout::kPaletteBytesRead}};
}

// What a SAVE with team-name change off writes, structure by structure: the colour slots of both
// palettes, the abbreviation field, the player records with their end marker and the line table.
std::vector<Place> savePlaces(const TeamRow& row, std::size_t recordBytes) {
  const std::uint32_t slots = layout::slotByte(layout::kColourSlots - 1) + 2 - layout::slotByte(0);
  return {{layout::homePalette(row.index) + layout::slotByte(0), slots},
          {layout::awayPalette(row.index) + layout::slotByte(0), slots},
          {row.abbrevOffset, layout::kAbbrevFieldSize},
          {row.firstRecord, recordBytes + 2},
          {layout::lineTable(row.firstRecord), layout::kLineTableSize}};
}

class SilentMessenger : public Messenger {
 public:
  using Messenger::show;
  void show(const UserMessage&) override {}
};

struct Fixture {
  testing::SyntheticRom source;
  std::vector<std::uint8_t> image = source.bytes();
  testing::TempRomFile file{image};
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

int openOrThrow(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  return fd;
}

void teamLoad(benchmark::State& state, const TeamRow& row) {
  FileRomOpener opener(fixture().file.pathText());
  for (auto _ : state) {
    TeamLoadResult result = loadTeam(opener, row.key, SelectedTeam());
    if (!result.loaded()) state.SkipWithError("team did not load");
    benchmark::DoNotOptimize(result);
  }
}

void teamLoadFloor(benchmark::State& state, const TeamRow& row) {
  const std::string path = fixture().file.pathText();
  const std::vector<Place> places = loadPlaces(row);
  std::vector<std::uint8_t> buffer(kMaxRecordArea);
  for (auto _ : state) {
    const int fd = openOrThrow(path, O_RDONLY);
    for (const Place& place : places)
      if (::pread(fd, buffer.data(), place.size, place.offset) != static_cast<ssize_t>(place.size))
        state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.data());
    ::close(fd);
  }
}

void teamSave(benchmark::State& state, const TeamRow& row) {
  FileRomOpener opener(fixture().file.pathText());
  const TeamLoadResult load = loadTeam(opener, row.key, SelectedTeam());
  const save::SaveInput input = testing::saveInputFromLoad(load, false);
  SilentMessenger messenger;
  for (auto _ : state) {
    SelectedTeam team = load.state;
    if (save::runSave(opener, team, input, messenger).outcome != save::SaveOutcome::Saved)
      state.SkipWithError("save did not complete");
  }
}

void teamSaveFloor(benchmark::State& state, const TeamRow& row) {
  const std::string path = fixture().file.pathText();
  const std::vector<Place> places = savePlaces(row, fixture().source.team(row.index).recordBytes());
  const std::vector<std::uint8_t>& image = fixture().image;
  for (auto _ : state) {
    const int fd = openOrThrow(path, O_RDWR);
    for (const Place& place : places)
      if (::pwrite(fd, image.data() + place.offset, place.size, place.offset) !=
          static_cast<ssize_t>(place.size))
        state.SkipWithError("short write");
    ::close(fd);
  }
}

// Prints the usual console lines, then per team the core's time beside its floor.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
        seconds_[run.run_name.function_name] =
            run.real_accumulated_time / static_cast<double>(run.iterations);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-16s %10s %10s %7s %10s %10s %7s\n", "team", "load us", "floor us", "ratio", "save us",
                "floor us", "ratio");
    double worstLoad = 0, worstSave = 0, slowest = 0;
    for (const TeamRow& row : teamTable()) {
      const std::string key(row.key);
      const auto time = [&](const char* kind) {
        const auto it = seconds_.find(std::string(kind) + "/" + key);
        return it == seconds_.end() ? 0.0 : it->second * 1e6;
      };
      const double load = time("TeamLoad"), loadFloor = time("TeamLoadFloor");
      const double save = time("Save"), saveFloor = time("SaveFloor");
      if (load == 0 || loadFloor == 0 || save == 0 || saveFloor == 0) continue;
      worstLoad = std::max(worstLoad, load / loadFloor);
      worstSave = std::max(worstSave, save / saveFloor);
      slowest = std::max({slowest, load, save});
      std::printf("%-16s %10.2f %10.2f %6.2fx %10.2f %10.2f %6.2fx\n", key.c_str(), load, loadFloor,
                  load / loadFloor, save, saveFloor, save / saveFloor);
    }
    std::printf(
        "\nworst ratio: team load %.2fx, save %.2fx (target 20x); slowest operation %.1f us (target 1000 "
        "us)\n",
        worstLoad, worstSave, slowest);
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  for (const TeamRow& row : teamTable()) {
    const std::string key(row.key);
    benchmark::RegisterBenchmark(("TeamLoad/" + key).c_str(), teamLoad, row)->MinTime(0.1);
    benchmark::RegisterBenchmark(("TeamLoadFloor/" + key).c_str(), teamLoadFloor, row)->MinTime(0.1);
    benchmark::RegisterBenchmark(("Save/" + key).c_str(), teamSave, row)->MinTime(0.1);
    benchmark::RegisterBenchmark(("SaveFloor/" + key).c_str(), teamSaveFloor, row)->MinTime(0.1);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
