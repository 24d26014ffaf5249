// Replays fuzz inputs without libFuzzer: each file named (or each file in a
// folder named) is given once to the fuzz target. A crash or a sanitizer
// report ends the program; an input that runs too long fails it, so a hang
// that was fixed stays fixed.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
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

  int slow = 0;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto start = std::chrono::steady_clock::now();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds > limitSeconds) {
      std::printf("SLOW %s: %.2f s\n", file.string().c_str(), seconds);
      ++slow;
    }
  }
  std::printf("%zu passed, %d failed\n", files.size() - static_cast<size_t>(slow), slow);
  return slow == 0 ? 0 : 1;
}
