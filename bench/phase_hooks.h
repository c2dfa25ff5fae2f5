#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

// What twinpics-walk learns of the scan inside Controller without touching search/: the link
// step (bench/CMakeLists.txt) routes the scan's calls of listTree, fileSize and the free
// quickSortRight through wrappers in phase_hooks.cpp (ld's --wrap), which note the time and
// count, then call the real function. Nothing else changes, so the walk times the very run
// it reports on. Built without the hooks (TWINPICS_WALK_PHASE_HOOKS=OFF), the fields stay
// empty and the walk prints n/a for the phases.
namespace twinpics::walk {

using Clock = std::chrono::steady_clock;

struct PhaseRecord {
    std::optional<Clock::time_point> listingStart;
    std::optional<Clock::time_point> listingEnd;
    std::optional<Clock::time_point> sortStart;
    std::optional<Clock::time_point> sortEnd;
    std::uint64_t entriesListed = 0; // every entry the listing gave, of any type
    std::uint64_t sizeReads = 0;     // the candidates by name, each sized once
    std::uint64_t sizeFailures = 0;  // those without a size, left out of the lists
};

PhaseRecord& phaseRecord();

// Whether the wrappers are linked in.
bool phaseHooksLinked();

} // namespace twinpics::walk
