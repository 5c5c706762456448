#include "ProcessMemory.h"

#include <algorithm>
#include <cstdio>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

std::size_t residentBytes() {
#ifdef __linux__
    // The second number of /proc/self/statm is the resident set, in pages.
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    unsigned long size = 0, resident = 0;
    const int read = std::fscanf(statm, "%lu %lu", &size, &resident);
    std::fclose(statm);
    if (read != 2)
        return 0;
    return static_cast<std::size_t>(resident) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#else
    return 0;
#endif
}

std::size_t peakResidentBytes() {
#ifdef __linux__
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024; // kilobytes on Linux
#else
    return 0;
#endif
}

namespace {

double megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

bool memoryStaysFlat(const char* name, int runs, std::size_t toleranceBytes,
                     const std::function<void()>& run) {
    std::printf("%s: resident and peak memory after each of %d runs (MB)\n", name, runs);
    // Pools and caches that live for the whole process (a worker thread's heap,
    // say) may still take their memory in the first half of the runs.
    const int settledRun = std::max(2, runs / 2);
    std::size_t settledResident = 0, settledPeak = 0;
    bool flat = true;
    for (int index = 1; index <= runs; ++index) {
        run();
        const std::size_t resident = residentBytes();
        const std::size_t peak = peakResidentBytes();
        std::printf("  run %2d: resident %8.1f  peak %8.1f\n", index, megabytes(resident),
                    megabytes(peak));
        if (index == settledRun) {
            settledResident = resident;
            settledPeak = peak;
        } else if (index > settledRun && (resident > settledResident + toleranceBytes ||
                                          peak > settledPeak + toleranceBytes)) {
            flat = false;
        }
    }
    std::printf("  %s\n", flat ? "flat" : "GROWS: memory is not given back between runs");
    return flat;
}
