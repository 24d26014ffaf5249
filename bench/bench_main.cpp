// The benchmark program: proves each workload several times on one core and
// prints its figures. Run one workload per process (scripts/bench.sh does),
// so that the peak memory printed belongs to that workload alone.
//
//   tolvern_bench repeats | distinct | long | reading | peal | everyrow | methods [--runs N] [--out FILE]
//   tolvern_bench verify                 small versions of every workload, checked
//   tolvern_bench check-files DIR N      writes N small compositions into DIR
//   tolvern_bench text WORKLOAD          prints a workload's composition text (reading: the
//                                        twelve-bell one; its sixteen-bell one is distinct's)

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "file_sink.h"
#include "engine.h"
#include "methods_workload.h"
#include "row_register.h"
#include "stages.h"
#include "timing.h"
#include "workloads.h"

namespace tolvern::bench {

namespace {

// A field of /proc/self/status in KiB ("VmHWM" is the peak resident size,
// "VmRSS" the current one); -1 where the system does not tell.
long long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::atoll(line.c_str() + field.size() + 1);
  return -1;
}

// Sets the peak resident size back to the current one (Linux 4.0 and later).
bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

// Takes the lines and forgets them: the report is built, nothing is kept.
class CountingSink : public LineSink {
 public:
  void Append(std::string_view line) override {
    ++lines;
    bytes += line.size() + 1;
  }
  long long lines = 0;
  long long bytes = 0;
};

std::string Millions(double value) { return Fixed(value / 1e6, 2) + " million"; }

std::string MiB(long long kib) { return kib < 0 ? "unknown" : Fixed(kib / 1024.0, 1) + " MiB"; }

// One proof run in its stages, as RunProof runs them, timed stage by stage.
struct Staged {
  double parse = 0;  // reading the text into definitions and resolving names
  double prove = 0;  // ringing, truth, music and the report
  double total = 0;  // the whole run, freeing included
  double proveCpu = 0;  // processor time of the prove stage
  int64_t changes = 0;
  int64_t duplicates = 0;
  uint64_t distinctRows = 0;
  size_t registerBytes = 0;
  long long rssBeforeProofKiB = 0;
  long long peakInProofKiB = 0;
  ProofOutcome verdict = ProofOutcome::Stopped;
};

Staged ProveStaged(Engine& engine, const Lines& lines, bool measureMemory = false) {
  Staged s;
  Parser& parser = engine.parser();
  Prover& prover = engine.prover();
  const auto t0 = Clock::now();
  parser.ParseComposition(lines);
  parser.ResolveNames();
  const auto t1 = Clock::now();
  if (engine.diagnostics().ErrorCount > 0) {
    parser.FreeDefinitions();
    throw std::runtime_error("the workload has errors");
  }
  if (measureMemory) {
    s.rssBeforeProofKiB = StatusKiB("VmRSS");
    ResetPeak();
  }
  const double c2 = ThreadSeconds();
  const auto t2 = Clock::now();
  prover.ProveTouch(engine.table().Head(), parser.Predefined, static_cast<int>(parser.StageBells));
  const auto t3 = Clock::now();
  s.proveCpu = ThreadSeconds() - c2;
  if (measureMemory) s.peakInProofKiB = StatusKiB("VmHWM");
  s.changes = prover.ChangeCount;
  s.duplicates = prover.DuplicateCount;
  s.distinctRows = prover.RowTable.DistinctRows();
  s.registerBytes = prover.RowTable.CapacityBytes();
  s.verdict = prover.Outcome;
  parser.FreeDefinitions();
  const auto t4 = Clock::now();
  s.parse = Seconds(t0, t1);
  s.prove = Seconds(t2, t3);
  s.total = Seconds(t0, t1) + Seconds(t2, t4);
  return s;
}

struct Sinks {
  CountingSink proof, compatible, progress;
  void Bind(Engine& engine) {
    engine.Outputs.ProofOutput = &proof;
    engine.Outputs.CompatibleOutput = &compatible;
    engine.Outputs.ProgressOutput = &progress;
  }
};

// Proves `lines` `runs` times and prints the change-rate figures.
std::vector<Staged> RunChangeWorkload(const Lines& lines, int maxBells, int runs, bool measureMemory,
                                      bool showMusic = true) {
  Engine engine;
  Sinks sinks;
  sinks.Bind(engine);
  engine.Options.MaxNumberBells = maxBells;
  engine.Options.ShowMusic = showMusic;
  std::vector<Staged> results;
  for (int i = 0; i < runs; ++i) results.push_back(ProveStaged(engine, lines, measureMemory));
  return results;
}

void PrintChangeFigures(const std::vector<Staged>& results, bool showParse) {
  std::vector<double> parse, prove, total, proveCpu;
  for (const Staged& s : results) {
    parse.push_back(s.parse);
    prove.push_back(s.prove);
    total.push_back(s.total);
    proveCpu.push_back(s.proveCpu);
  }
  const Staged& last = results.back();
  const double proveSeconds = Median(prove);
  Row("changes", std::to_string(last.changes));
  Row("distinct rows", std::to_string(last.distinctRows) + " (rows rung again: " + std::to_string(last.duplicates) + ")");
  Row("prove seconds", Fixed(proveSeconds, 4) + " (median of " + std::to_string(results.size()) + " runs)");
  if (showParse) Row("parse seconds", Fixed(Median(parse), 4) + " (reading the text, reported apart)");
  Row("whole run seconds", Fixed(Median(total), 4) + " (parse, prove and free)");
  Row("changes per second", Millions(last.changes / proveSeconds) + " (proving alone)");
  Row("", Millions(last.changes / Median(proveCpu)) + " per second of processor time (median)");
}

constexpr double ChangeRateTarget = 20e6;

double MedianRate(const std::vector<Staged>& results) {
  std::vector<double> prove;
  for (const Staged& s : results) prove.push_back(s.prove);
  return static_cast<double>(results.back().changes) / Median(prove);
}

int Repeats(int runs) {
  constexpr double RepeatsTarget = 120e6;
  const int courses = 17000;
  const Lines lines = RepeatsComposition(courses);
  std::printf("repeats: 6 bells, the plain course of Plain Bob Minor rung %d times, CONFLICT empty\n", courses);
  // With the music table (the default) and without it.
  for (const bool music : {true, false}) {
    const auto results = RunChangeWorkload(lines, 12, runs, false, music);
    std::printf("  %s\n", music ? "music table on (default MUSIC):" : "music table off (--no-music):");
    PrintChangeFigures(results, false);
    Target(">= 120 million changes/s", MedianRate(results) >= RepeatsTarget);
  }
  Row("peak memory", MiB(StatusKiB("VmHWM")) + " (whole process)");
  return 0;
}

// The row register alone, on `rows` different rows: processor nanoseconds a
// row to enter them into an empty register (which grows as it fills), and to
// ring them again once it has grown. Shows what bounds a touch of new rows.
std::pair<double, double> RegisterAlone(uint64_t rows, int runs) {
  std::vector<uint64_t> keys(rows);
  uint64_t state = 1;
  for (uint64_t& key : keys) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    key = (state >> 1) | 1;  // never 0, which marks an empty slot
  }
  RowRegister table;
  std::vector<double> fresh, again;
  uint64_t seen = 0;
  for (int r = 0; r < runs; ++r) {
    table.Clear();
    double start = ThreadSeconds();
    for (uint64_t key : keys) seen += table.Ring(key, RowRegister::OddChange);
    fresh.push_back(ThreadSeconds() - start);
    start = ThreadSeconds();
    for (uint64_t key : keys) seen += table.Ring(key, RowRegister::OddChange);
    again.push_back(ThreadSeconds() - start);
  }
  if (seen != rows * static_cast<uint64_t>(runs)) throw std::runtime_error("the register lost rows");
  return {Median(fresh) * 1e9 / static_cast<double>(rows), Median(again) * 1e9 / static_cast<double>(rows)};
}

int Distinct(int runs) {
  const Lines lines = DistinctComposition(200, 1000, 1, 2024);
  std::printf("distinct: 16 bells, 200 definitions of 1000 pseudo-random changes rung once in order, CONFLICT empty\n");
  const auto results = RunChangeWorkload(lines, 16, runs, false);
  PrintChangeFigures(results, true);
  const auto [fresh, again] = RegisterAlone(results.back().distinctRows, runs);
  Row("row register alone", Fixed(fresh, 1) + " ns of processor time a new row (empty register, growing), " +
                                Fixed(again, 1) + " ns a row rung again (grown)");
  std::vector<double> prove;
  for (const Staged& s : results) prove.push_back(s.prove);
  Row("peak memory", MiB(StatusKiB("VmHWM")) + " (whole process)");
  Target(">= 20 million changes/s", results.back().changes / Median(prove) >= ChangeRateTarget);
  return 0;
}

// Reading a text: from the bytes of a file to the definitions, names
// resolved, ready to prove (split into lines, then parsed); freeing apart.
int Reading(int runs) {
  constexpr double ReadingTarget = 200e6;  // bytes per second
  for (const int stage : {16, 12}) {
    const Lines lines = DistinctComposition(200, 1000, 1, 2024, stage);
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).push_back('\n');
    std::printf("reading: the distinct text on %d bells, %zu bytes in %zu lines (200 x 1000 changes)\n", stage,
                bytes.size(), lines.size());
    Engine engine;
    Sinks sinks;
    sinks.Bind(engine);
    engine.Options.MaxNumberBells = 16;
    std::vector<double> split, parse, read, freeing, readCpu;
    size_t changes = 0;
    for (int i = 0; i < runs; ++i) {
      const double c0 = ThreadSeconds();
      const auto t0 = Clock::now();
      const std::vector<std::string> text = SplitLines(bytes);
      const auto t1 = Clock::now();
      engine.parser().ParseComposition(text);
      engine.parser().ResolveNames();
      const auto t2 = Clock::now();
      readCpu.push_back(ThreadSeconds() - c0);
      if (engine.diagnostics().ErrorCount > 0) throw std::runtime_error("the reading text has errors");
      changes = 0;
      for (const TCompElement* d = engine.table().Head(); d; d = d->Link)
        for (const TCompElement* e = d->Next; e; e = e->Next) changes += e->Kind == ElementKind::Change;
      const auto t3 = Clock::now();
      engine.parser().FreeDefinitions();
      const auto t4 = Clock::now();
      split.push_back(Seconds(t0, t1));
      parse.push_back(Seconds(t1, t2));
      read.push_back(Seconds(t0, t2));
      freeing.push_back(Seconds(t3, t4));
    }
    const double size = static_cast<double>(bytes.size());
    const double rate = size / Median(read);
    Row("changes read", std::to_string(changes));
    Row("split seconds", Fixed(Median(split), 5) + " (bytes into lines)");
    Row("parse seconds", Fixed(Median(parse), 5) + " (lines into definitions, names resolved)");
    Row("read seconds", Fixed(Median(read), 5) + " (both; median of " + std::to_string(runs) + " runs)");
    Row("free seconds", Fixed(Median(freeing), 5) + " (reported apart)");
    Row("megabytes per second", Fixed(rate / 1e6, 0) + " read, " + Fixed(size / Median(parse) / 1e6, 0) +
                                    " parsed; " + Fixed(size / Median(readCpu) / 1e6, 0) +
                                    " read per second of processor time (median)");
    Target(">= 200 MB/s read", rate >= ReadingTarget);
    if (stage == 16) std::printf("\n");
  }
  Row("peak memory", MiB(StatusKiB("VmHWM")) + " (whole process)");
  return 0;
}

int Long(int runs) {
  const int passes = 50;
  const Lines lines = DistinctComposition(200, 1000, passes, 2024);
  std::printf("long: the distinct definitions rung %d times over (10 million changes), CONFLICT empty\n", passes);
  const auto results = RunChangeWorkload(lines, 16, runs, true);
  PrintChangeFigures(results, true);
  const Staged& last = results.back();
  const double rows = static_cast<double>(last.distinctRows);
  const long long peak = StatusKiB("VmHWM");
  // Later runs reuse memory that the first one had the system give, so the
  // growth is read from the first.
  const double proofGrowthKiB = static_cast<double>(results.front().peakInProofKiB - results.front().rssBeforeProofKiB);
  Row("peak memory", MiB(peak) + " (whole process: text, definitions and row register)");
  Row("bytes per distinct row", Fixed(peak * 1024.0 / rows, 1) + " (whole-process peak / distinct rows)");
  Row("", Fixed(proofGrowthKiB * 1024.0 / rows, 1) +
              " (peak resident growth while proving / distinct rows, first run)");
  Row("", Fixed(last.registerBytes / rows, 1) + " (row register at the end: " + MiB(static_cast<long long>(last.registerBytes / 1024)) + ")");
  Target(">= 20 million changes/s", MedianRate(results) >= 20e6);
  Target("<= 48 bytes per distinct row (whole-process peak)", peak * 1024.0 / rows <= 48.0);
  return 0;
}

int Peal(int runs) {
  int leads = 0;
  const Lines lines = PealComposition(313, 320, leads);
  std::printf("peal: %d Plain Bob Major (%d leads marked \"[PB]\", default MUSIC), proved 1000 times\n", leads * 16,
              leads);
  Engine engine;
  Sinks sinks;
  sinks.Bind(engine);
  const RunResult check = engine.RunProof(lines);
  if (check.outcome != ProofOutcome::RoundsFound || check.duplicates != 0 || check.changes != leads * 16)
    throw std::runtime_error("the peal is not true");
  const long long proofLines = sinks.proof.lines;

  const int batch = 100;
  const int batches = std::max(1, runs);
  std::vector<double> rates;
  for (int b = 0; b < batches; ++b) {
    const auto start = Clock::now();
    for (int i = 0; i < batch; ++i) engine.RunProof(lines);
    rates.push_back(batch / Seconds(start, Clock::now()));
  }
  const double rate = Median(rates);
  Row("changes", std::to_string(check.changes) + " per proof, true");
  Row("proof page", std::to_string(proofLines) + " lines per proof (music and lead tables included)");
  Row("proofs per second", Fixed(rate, 0) + " (median of " + std::to_string(batches) + " batches of " +
                               std::to_string(batch) + ", whole runs from text)");
  Row("seconds per proof", Fixed(1e6 / rate, 1) + " microseconds");
  Row("changes per second", Millions(rate * check.changes));
  Row("peak memory", MiB(StatusKiB("VmHWM")) + " (whole process)");
  Target(">= 2000 proofs/s", rate >= 2000);
  return 0;
}

long long CountLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  long long lines = 0;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    lines += std::count(buffer, buffer + in.gcount(), '\n');
    if (!in) break;
  }
  return lines;
}

int EveryRow(int runs, const std::string& out) {
  int leads = 0;
  const Lines lines = EveryRowComposition(PealComposition(313, 320, leads));
  std::printf("everyrow: the peal with EVERYROW = \"@\", proof pages written to a file, 1000 proofs\n");
  Engine engine;
  CountingSink progress;
  engine.Outputs.ProgressOutput = &progress;
  engine.Outputs.CompatibleOutput = nullptr;  // as `tolvern prove --proof FILE` leaves it

  // A batch of proofs writes its pages one after another into one new file,
  // as a proof of a long touch would: the figure is the rate at which lines
  // reach the file (the system's page cache; nothing is synced to disk).
  const int batch = 100;
  const int batches = std::max(1, runs);
  std::vector<double> rates;
  long long linesPerBatch = 0;
  RunResult result;
  for (int b = 0; b < batches; ++b) {
    std::filesystem::remove(out);
    const auto start = Clock::now();
    FileSink file;
    if (!file.Open(out)) throw std::runtime_error("cannot write " + out);
    engine.Outputs.ProofOutput = &file;
    for (int i = 0; i < batch; ++i) result = engine.RunProof(lines);
    if (!file.Close()) throw std::runtime_error("cannot write " + out);
    const double seconds = Seconds(start, Clock::now());
    engine.Outputs.ProofOutput = nullptr;
    if (result.outcome != ProofOutcome::RoundsFound) throw std::runtime_error("the peal is not true");
    linesPerBatch = CountLines(out);
    rates.push_back(static_cast<double>(linesPerBatch) / seconds);
  }
  const double rate = Median(rates);
  Row("changes", std::to_string(result.changes) + " per proof");
  Row("lines written", std::to_string(linesPerBatch / batch) + " per proof (counted in the file), " +
                           std::to_string(std::filesystem::file_size(out) / batch) + " bytes");
  Row("lines per second", Millions(rate) + " (median of " + std::to_string(batches) + " batches of " +
                              std::to_string(batch) + " proofs, each batch into a new file)");
  Row("peak memory", MiB(StatusKiB("VmHWM")) + " (whole process)");
  Target(">= 5 million lines/s to a file", rate >= 5e6);
  std::filesystem::remove(out);
  return 0;
}

int CheckFiles(const std::string& folder, int count) {
  std::filesystem::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    const int stage = 4 + i % 9;
    // Mostly true plain courses, with some false, short and faulty ones.
    const int kind = i % 50 == 49 ? 3 : i % 20 == 19 ? 2 : i % 10 == 9 ? 1 : 0;
    char name[64];
    std::snprintf(name, sizeof name, "c%05d.%s", i, std::string(ExtensionOfStage(stage)).c_str());
    std::ofstream file(std::filesystem::path(folder) / name, std::ios::binary);
    for (const std::string& line : SmallComposition(stage, kind)) file << line << "\r\n";
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", name);
      return 1;
    }
  }
  return 0;
}

// Small versions of every workload, proved and checked: keeps the
// generators honest without timing anything.
int Verify() {
  int failures = 0, passes = 0;
  const auto expect = [&](bool ok, const std::string& what) {
    if (ok) {
      ++passes;
    } else {
      std::fprintf(stderr, "FAILED: %s\n", what.c_str());
      ++failures;
    }
  };
  const auto prove = [](const Lines& lines, int maxBells) {
    Engine engine;
    Sinks sinks;
    sinks.Bind(engine);
    engine.Options.MaxNumberBells = maxBells;
    return engine.RunProof(lines);
  };

  {
    const RunResult r = prove(RepeatsComposition(20), 12);
    expect(r.outcome == ProofOutcome::Conflicting && r.changes == 1200 && r.duplicates == 1140,
           "repeats: 20 courses ring 1200 changes, 1140 of them repeats");
  }
  {
    Engine engine;
    Sinks sinks;
    sinks.Bind(engine);
    engine.Options.MaxNumberBells = 16;
    const Staged s = ProveStaged(engine, DistinctComposition(5, 200, 3, 7));
    expect(s.changes == 3000, "distinct: 3 passes of 5 x 200 changes ring 3000");
    expect(s.distinctRows + static_cast<uint64_t>(s.duplicates) == 3000 && s.duplicates < 30,
           "distinct: the rows are nearly all different");
    expect(engine.diagnostics().ErrorCount == 0 && sinks.proof.lines < 50,
           "distinct: the notation reads without warnings");
  }
  int leads = 0;
  const Lines peal = PealComposition(313, 320, leads);
  {
    Engine engine;
    LineList proof;
    engine.Outputs.ProofOutput = &proof;
    const RunResult r = engine.RunProof(peal);
    expect(r.outcome == ProofOutcome::RoundsFound && r.duplicates == 0, "peal: the touch is true");
    expect(leads >= 313 && leads <= 320 && r.changes == leads * 16, "peal: 5000-odd changes in whole leads");
    const auto has = [&](const std::string& line) {
      return std::find(proof.lines.begin(), proof.lines.end(), line) != proof.lines.end();
    };
    expect(has("NumberLeads=" + std::to_string(leads)), "peal: one marker a lead");
    expect(has("Touch contains:"), "peal: the report has the music table");
  }
  {
    Engine engine;
    LineList proof;
    engine.Outputs.ProofOutput = &proof;
    const RunResult r = engine.RunProof(EveryRowComposition(peal));
    expect(r.outcome == ProofOutcome::RoundsFound, "everyrow: still true");
    expect(proof.lines.size() > static_cast<size_t>(r.changes) && proof.lines[r.changes - 1] == "12345678",
           "everyrow: a line for every row, rounds last");
  }
  for (int stage = 4; stage <= 12; ++stage) {
    const std::string at = " on " + std::to_string(stage) + " bells";
    expect(prove(SmallComposition(stage, 0), 12).outcome == ProofOutcome::RoundsFound, "plain course true" + at);
    const RunResult twice = prove(SmallComposition(stage, 1), 12);
    expect(twice.duplicates == 1 && twice.outcome == ProofOutcome::HaltedAtRow, "two courses false" + at);
    expect(prove(SmallComposition(stage, 2), 12).outcome == ProofOutcome::NotRound, "one lead not round" + at);
    expect(prove(SmallComposition(stage, 3), 12).outcome == ProofOutcome::Refused, "error found" + at);
  }
  {
    std::string why;
    expect(VerifyMethodsWorkload(why), "methods: the generated library loads and is searched: " + why);
  }
  std::printf("workload checks: %d passed, %d failed\n", passes, failures);
  return failures == 0 ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tolvern_bench repeats|distinct|long|reading|peal|everyrow|methods [--runs N] [--out FILE]\n"
               "       tolvern_bench verify\n"
               "       tolvern_bench check-files DIR N\n"
               "       tolvern_bench text repeats|distinct|long|reading|peal|everyrow\n");
  return 3;
}

}  // namespace

int Main(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& workload = args[0];
  if (workload == "verify") return Verify();
  if (workload == "check-files") {
    if (args.size() != 3) return Usage();
    return CheckFiles(args[1], std::atoi(args[2].c_str()));
  }
  if (workload == "text") {
    if (args.size() != 2) return Usage();
    int leads = 0;
    Lines lines;
    if (args[1] == "repeats") lines = RepeatsComposition(17000);
    else if (args[1] == "distinct") lines = DistinctComposition(200, 1000, 1, 2024);
    else if (args[1] == "long") lines = DistinctComposition(200, 1000, 50, 2024);
    else if (args[1] == "reading") lines = DistinctComposition(200, 1000, 1, 2024, 12);
    else if (args[1] == "peal") lines = PealComposition(313, 320, leads);
    else if (args[1] == "everyrow") lines = EveryRowComposition(PealComposition(313, 320, leads));
    else return Usage();
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    return 0;
  }
  int runs = 0;
  std::string out = (std::filesystem::temp_directory_path() / "tolvern-bench-everyrow.txt").string();
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--runs" && i + 1 < args.size()) runs = std::atoi(args[++i].c_str());
    else if (args[i] == "--out" && i + 1 < args.size()) out = args[++i];
    else return Usage();
  }
  if (workload == "repeats") return Repeats(runs > 0 ? runs : 9);
  if (workload == "distinct") return Distinct(runs > 0 ? runs : 9);
  if (workload == "long") return Long(runs > 0 ? runs : 3);
  if (workload == "reading") return Reading(runs > 0 ? runs : 21);
  if (workload == "peal") return Peal(runs > 0 ? runs : 10);
  if (workload == "everyrow") return EveryRow(runs > 0 ? runs : 10, out);
  if (workload == "methods") return MethodsWorkload(runs > 0 ? runs : 7);
  return Usage();
}

}  // namespace tolvern::bench

int main(int argc, char** argv) {
  try {
    return tolvern::bench::Main(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "tolvern_bench: %s\n", failure.what());
    return 1;
  }
}
