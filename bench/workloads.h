// Deterministic benchmark workloads: SIRIL texts built in code, so every run
// of the benchmark proves exactly the same compositions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvern::bench {

using Lines = std::vector<std::string>;

// Six bells: the plain course of Plain Bob Minor (60 rows) rung `courses`
// times over, CONFLICT empty, so every row is rung `courses` times.
Lines RepeatsComposition(int courses);

// Sixteen bells (or `stage`): `definitions` definitions of `changesEach`
// pseudo-random changes, rung in order `passes` times over, CONFLICT empty.
// The same seed gives the same text.
Lines DistinctComposition(int definitions, int changesEach, int passes, uint64_t seed, int stage = 16);

// A true touch of Plain Bob Major found by search: plain and bobbed leads
// whose lead heads never repeat, coming round at a lead end after
// `minLeads` to `maxLeads` leads. Each lead carries the marker "[PB]";
// MUSIC is left at its default. `leads` receives the number of leads.
Lines PealComposition(int minLeads, int maxLeads, int& leads);

// The peal with EVERYROW = "@": one printed line per change.
Lines EveryRowComposition(const Lines& peal);

// A small composition for the batch check: Plain Bob on 4 to 12 bells.
// kind 0: the plain course (true); 1: two plain courses with the default
// CONFLICT (false); 2: one lead (not round); 3: a text with an error.
Lines SmallComposition(int stage, int kind);

}  // namespace tolvern::bench
