// Clocks, medians and the printed rows every workload shares.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace tolvern::bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Processor time of this thread, kernel work on its behalf included: unlike
// the wall clock it does not grow while other programs have the core.
inline double ThreadSeconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

inline void Row(const std::string& label, const std::string& value) {
  std::printf("  %-22s %s\n", label.c_str(), value.c_str());
}

inline void Target(const std::string& what, bool met) { Row("target", what + ": " + (met ? "met" : "NOT met")); }

}  // namespace tolvern::bench
