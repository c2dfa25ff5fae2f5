#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace twinpics {

// Sorts entries left to right (inclusive) of both lists by ascending size, moving each path
// with its size. A quicksort on the middle entry whose partition sends equal sizes right:
// the order it leaves among equal sizes decides which copy is shown on the left, so it is
// kept exactly, while the right part is sorted by a loop so that long runs of one size
// neither exhaust the stack nor cost quadratic time.
void quickSortRight(std::vector<std::uint64_t>& sizes, std::vector<std::string>& files,
                    std::int32_t left, std::int32_t right);

} // namespace twinpics
