#pragma once

#include <cstddef>
#include <functional>

// The memory this process holds now (its resident set) and the most it has held
// since it started, in bytes; 0 where the system does not say.
std::size_t residentBytes();
std::size_t peakResidentBytes();

// Runs `run` `runs` times and prints the resident and peak memory after each
// run. Memory is flat when, after the first half of the runs (which fill the
// caches and pools that live for the whole process), neither grows by more
// than `toleranceBytes`; returns false, after saying so, when it does.
bool memoryStaysFlat(const char* name, int runs, std::size_t toleranceBytes,
                     const std::function<void()>& run);
