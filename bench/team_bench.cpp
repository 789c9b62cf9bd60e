// Team load and SAVE of every team through the core on a real file, each beside its floor: the
// same bytes moved with one pread (load) or one pwrite (save) per structure, with the file opened
// and closed around them as the core does. SAVE runs unedited, with team-name change off and on.
// Each figure is measured in repetitions (9 unless --benchmark_repetitions says otherwise), in a
// random order across all benchmarks; after the runs, tables give per team the minimum, median
// and maximum of each figure and of its ratio to the floor (repetition by repetition).
//
//   build-bench/bench/team_bench [--benchmark_filter=Kings] [--benchmark_repetitions=N]

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "rom/record_walk.h"
#include "rom/rom_layout.h"
#include "rom/team_load.h"
#include "rom/team_table.h"
#include "save/save_pipeline.h"
#include "save/team_name_writer.h"
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

// What a SAVE writes, structure by structure: the colour slots of both palettes, the abbreviation
// field, the player records with their end marker and the line table; with team-name change on
// also the team-name block and the pointer table.
std::vector<Place> savePlaces(const TeamRow& row, std::size_t recordBytes, bool teamNames) {
  const std::uint32_t slots = layout::slotByte(layout::kColourSlots - 1) + 2 - layout::slotByte(0);
  std::vector<Place> places = {{layout::homePalette(row.index) + layout::slotByte(0), slots},
                               {layout::awayPalette(row.index) + layout::slotByte(0), slots},
                               {row.abbrevOffset, layout::kAbbrevFieldSize},
                               {row.firstRecord, recordBytes + 2},
                               {layout::lineTable(row.firstRecord), layout::kLineTableSize}};
  if (teamNames) {
    places.push_back({layout::kTeamNameBlockOffset, layout::kTeamNameBlockSize});
    places.push_back({layout::kTeamNamePointerOffset, save::kPointerTableSize});
  }
  return places;
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

// Runs `operation` once per iteration and keeps the longest single run in the counter "worst_us":
// the benchmark's own figure is the mean over the iterations.
template <class Operation>
void timeEach(benchmark::State& state, Operation operation) {
  using Clock = std::chrono::steady_clock;
  double worst = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    operation();
    worst = std::max(worst, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  state.counters["worst_us"] = worst;
}

void teamLoad(benchmark::State& state, const TeamRow& row) {
  FileRomOpener opener(fixture().file.pathText());
  timeEach(state, [&] {
    TeamLoadResult result = loadTeam(opener, row.key, SelectedTeam());
    if (!result.loaded()) state.SkipWithError("team did not load");
    benchmark::DoNotOptimize(result);
  });
}

void teamLoadFloor(benchmark::State& state, const TeamRow& row) {
  const std::string path = fixture().file.pathText();
  const std::vector<Place> places = loadPlaces(row);
  std::vector<std::uint8_t> buffer(kMaxRecordArea);
  timeEach(state, [&] {
    const int fd = openOrThrow(path, O_RDONLY);
    for (const Place& place : places)
      if (::pread(fd, buffer.data(), place.size, place.offset) != static_cast<ssize_t>(place.size))
        state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.data());
    ::close(fd);
  });
}

void teamSave(benchmark::State& state, const TeamRow& row, bool teamNames) {
  FileRomOpener opener(fixture().file.pathText());
  const TeamLoadResult load = loadTeam(opener, row.key, SelectedTeam());
  const save::SaveInput input = testing::saveInputFromLoad(load, teamNames);
  SilentMessenger messenger;
  timeEach(state, [&] {
    SelectedTeam team = load.state;
    const save::SaveResult result = save::runSave(opener, team, input, messenger);
    if (result.outcome != save::SaveOutcome::Saved || result.teamNameBlockRefused)
      state.SkipWithError("save did not complete");
  });
}

void teamSaveFloor(benchmark::State& state, const TeamRow& row, bool teamNames) {
  const std::string path = fixture().file.pathText();
  const std::vector<Place> places =
      savePlaces(row, fixture().source.team(row.index).recordBytes(), teamNames);
  const std::vector<std::uint8_t>& image = fixture().image;
  timeEach(state, [&] {
    const int fd = openOrThrow(path, O_RDWR);
    for (const Place& place : places)
      if (::pwrite(fd, image.data() + place.offset, place.size, place.offset) !=
          static_cast<ssize_t>(place.size))
        state.SkipWithError("short write");
    ::close(fd);
  });
}

// The operations measured, each with its floor: benchmark names are "<name>/<team key>" and
// "<name>Floor/<team key>".
struct Kind {
  const char* name;
  const char* title;
};
const Kind kKinds[] = {{"TeamLoad", "team load"},
                       {"Save", "SAVE, team-name change off"},
                       {"SaveTeamNames", "SAVE, team-name change on"}};

struct Spread {
  double min = 0, median = 0, max = 0;
};

Spread spreadOf(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {values.front(), median, values.back()};
}

// Shows the summary lines of each benchmark (mean, median, spread, min, max over the repetitions),
// then per kind and team the core's time beside its floor's, with their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    std::vector<Run> aggregates;
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate) {
        aggregates.push_back(run);
      } else if (!run.error_occurred && run.iterations > 0) {
        Repetition& r = repetitions_[run.run_name.function_name][run.repetition_index];
        r.meanUs = run.real_accumulated_time / static_cast<double>(run.iterations) * 1e6;
        const auto worst = run.counters.find("worst_us");
        r.worstUs = worst == run.counters.end() ? 0 : worst->second.value;
      }
    }
    if (!aggregates.empty()) ConsoleReporter::ReportRuns(aggregates);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const Kind& kind : kKinds) printKind(kind);
  }

 private:
  struct Repetition {
    double meanUs = 0;   // the mean time per operation over this repetition's iterations
    double worstUs = 0;  // the longest single operation in this repetition
  };
  using Repetitions = std::map<std::int64_t, Repetition>;

  void printKind(const Kind& kind) {
    std::vector<double> coreMedians, ratioMedians, allRatios, worstMedians;
    double worstSingle = 0, largestMean = 0;
    std::string worstTeam, largestTeam;
    bool header = false;
    for (const TeamRow& row : teamTable()) {
      const std::string key(row.key);
      const auto core = repetitions_.find(std::string(kind.name) + "/" + key);
      const auto floor = repetitions_.find(std::string(kind.name) + "Floor/" + key);
      if (core == repetitions_.end() || floor == repetitions_.end()) continue;
      std::vector<double> coreUs, floorUs, ratios, worstUs;
      for (const auto& [index, rep] : core->second) {
        coreUs.push_back(rep.meanUs);
        worstUs.push_back(rep.worstUs);
        if (rep.worstUs > worstSingle) worstSingle = rep.worstUs, worstTeam = key;
        if (rep.meanUs > largestMean) largestMean = rep.meanUs, largestTeam = key;
        const auto pair = floor->second.find(index);
        if (pair != floor->second.end()) ratios.push_back(rep.meanUs / pair->second.meanUs);
      }
      for (const auto& [index, rep] : floor->second) floorUs.push_back(rep.meanUs);
      if (!header) {
        std::printf("\n%s, %zu repetitions: time per operation in us, and its ratio to the floor\n",
                    kind.title, coreUs.size());
        std::printf("%-16s %26s %26s %23s\n", "team", "core min/median/max", "floor min/median/max",
                    "ratio min/median/max");
        header = true;
      }
      const Spread c = spreadOf(coreUs), f = spreadOf(floorUs), r = spreadOf(ratios);
      std::printf("%-16s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %6.2fx %6.2fx %6.2fx\n", key.c_str(), c.min,
                  c.median, c.max, f.min, f.median, f.max, r.min, r.median, r.max);
      coreMedians.push_back(c.median);
      ratioMedians.push_back(r.median);
      allRatios.insert(allRatios.end(), ratios.begin(), ratios.end());
      worstMedians.push_back(spreadOf(worstUs).median);
    }
    if (!header) return;
    const Spread c = spreadOf(coreMedians), m = spreadOf(ratioMedians), a = spreadOf(allRatios);
    std::printf(
        "teams' medians: time %.1f / %.1f / %.1f us, ratio %.2fx / %.2fx / %.2fx (min / median / max);"
        " ratio of any repetition %.2fx to %.2fx (target 20x)\n",
        c.min, c.median, c.max, m.min, m.median, m.max, a.min, a.max);
    const Spread w = spreadOf(worstMedians);
    std::printf(
        "largest mean of a repetition %.1f us (%s) (target 1000 us); slowest single operation %.1f us (%s), "
        "in a repetition typically %.1f / %.1f / %.1f us (teams' medians: min / median / max)\n",
        largestMean, largestTeam.c_str(), worstSingle, worstTeam.c_str(), w.min, w.median, w.max);
  }

  std::map<std::string, Repetitions> repetitions_;
};

// A flag the caller did not give gets this value.
void addDefault(std::vector<char*>& args, const std::string& flag, const std::string& value) {
  for (const char* arg : args)
    if (std::strncmp(arg, flag.c_str(), flag.size()) == 0) return;
  static std::deque<std::string> kept;  // the arguments must outlive the run
  args.push_back(kept.emplace_back(flag + "=" + value).data());
}

double minOf(const std::vector<double>& v) {
  return *std::min_element(v.begin(), v.end());
}
double maxOf(const std::vector<double>& v) {
  return *std::max_element(v.begin(), v.end());
}

}  // namespace

int main(int argc, char** argv) {
  for (const TeamRow& row : teamTable()) {
    const std::string key(row.key);
    std::vector<benchmark::internal::Benchmark*> added = {
        benchmark::RegisterBenchmark(("TeamLoad/" + key).c_str(), teamLoad, row),
        benchmark::RegisterBenchmark(("TeamLoadFloor/" + key).c_str(), teamLoadFloor, row),
        benchmark::RegisterBenchmark(("Save/" + key).c_str(), teamSave, row, false),
        benchmark::RegisterBenchmark(("SaveFloor/" + key).c_str(), teamSaveFloor, row, false),
        benchmark::RegisterBenchmark(("SaveTeamNames/" + key).c_str(), teamSave, row, true),
        benchmark::RegisterBenchmark(("SaveTeamNamesFloor/" + key).c_str(), teamSaveFloor, row, true)};
    for (benchmark::internal::Benchmark* b : added) {
      b->MinTime(0.05);
      b->ComputeStatistics("min", minOf)->ComputeStatistics("max", maxOf);
    }
  }
  std::vector<char*> args(argv, argv + argc);
  addDefault(args, "--benchmark_repetitions", "9");
  addDefault(args, "--benchmark_enable_random_interleaving", "true");
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
