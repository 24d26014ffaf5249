// Replays fuzz inputs without libFuzzer: each file named (or each file in a
// folder named) is given once to the fuzz target. A crash or a sanitizer
// report ends the program; an input that runs too long fails it at once, so
// a hang that was fixed stays fixed.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  double limitSeconds = 20.0;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--limit=", 0) == 0) {
      limitSeconds = std::stod(arg.substr(8));
      continue;
    }
    if (fs::is_directory(arg)) {
      for (const auto& entry : fs::recursive_directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else if (fs::is_regular_file(arg)) {
      files.push_back(arg);
    } else {
      std::fprintf(stderr, "replay: no such file or folder: %s\n", arg.c_str());
      return 2;
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 2;
  }

  // The watchdog ends the run when one input takes longer than the limit:
  // a hang would otherwise never come back to be timed.
  using Clock = std::chrono::steady_clock;
  std::atomic<int64_t> startedAt{Clock::now().time_since_epoch().count()};
  std::atomic<size_t> current{0};
  std::atomic<bool> finished{false};
  std::thread watchdog([&] {
    while (!finished) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const auto started = Clock::time_point(Clock::duration(startedAt.load()));
      if (!finished && std::chrono::duration<double>(Clock::now() - started).count() > limitSeconds) {
        std::printf("HANG %s: over %g s\n", files[current].string().c_str(), limitSeconds);
        std::fflush(stdout);
        std::_Exit(1);
      }
    }
  });

  for (size_t i = 0; i < files.size(); ++i) {
    std::ifstream in(files[i], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    current = i;
    startedAt = Clock::now().time_since_epoch().count();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  finished = true;
  watchdog.join();
  std::printf("%zu passed, 0 failed\n", files.size());
  return 0;
}
