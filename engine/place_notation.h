// Place notation: the step mask of a normalised change.
#pragma once

#include <cstdint>
#include <string_view>

namespace tolvern {

// Scans positions from 1: a place where the next unused symbol of `places` is
// the bell of the position, a cross otherwise. `lastMatched` receives the
// 1-based index of the first symbol not matched.
uint32_t StepMaskOf(std::string_view places, long long stage, size_t* lastMatched = nullptr);

}  // namespace tolvern
