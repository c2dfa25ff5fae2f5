#include "size_sort.h"

#include <utility>

namespace twinpics {
namespace {

struct Lists {
    std::vector<std::uint64_t>& sizes;
    std::vector<std::string>& files;

    void exchange(std::int32_t a, std::int32_t b) {
        std::swap(sizes[static_cast<std::size_t>(a)], sizes[static_cast<std::size_t>(b)]);
        std::swap(files[static_cast<std::size_t>(a)], files[static_cast<std::size_t>(b)]);
    }
    std::uint64_t size(std::int32_t at) const { return sizes[static_cast<std::size_t>(at)]; }
};

std::int32_t middle(std::int32_t left, std::int32_t right) {
    return static_cast<std::int32_t>((std::int64_t{left} + right) / 2);
}

struct Split {
    std::int32_t boundary;   // where the pivot ends
    bool allEqual;           // every entry of the range had the pivot's size
    std::uint64_t least;     // the smallest size of the right part, past the boundary
    std::int32_t leastCount; // how many entries of the right part have it
};

// Pivot on the middle entry; only sizes strictly smaller move left of it.
Split partition(Lists& lists, std::int32_t left, std::int32_t right) {
    const std::int32_t pivotAt = middle(left, right);
    const std::uint64_t pivot = lists.size(pivotAt);
    lists.exchange(pivotAt, left);
    std::int32_t boundary = left;
    bool allEqual = true;
    std::uint64_t least = UINT64_MAX;
    std::int32_t leastCount = 0;
    for (std::int32_t k = left + 1; k <= right; ++k) {
        const std::uint64_t size = lists.size(k);
        allEqual = allEqual && size == pivot;
        if (size < pivot) {
            ++boundary;
            if (boundary != k)
                lists.exchange(boundary, k);
        } else if (size < least) {
            least = size;
            leastCount = 1;
        } else if (size == least) {
            ++leastCount;
        }
    }
    lists.exchange(left, boundary);
    return {boundary, allEqual, least, leastCount};
}

// On a range of one size each partition step finds nothing smaller, so all it does is move
// the middle entry to the front and go on with the rest: do just that, in linear time.
void settleEqualRun(Lists& lists, std::int32_t left, std::int32_t right) {
    for (; left < right; ++left)
        lists.exchange(middle(left, right), left);
}

// While the middle entry has the least size of the range, a partition step finds nothing
// smaller and only moves that entry to the front: do just that, without the step's pass
// over the range. A long run of one size beside a few larger ones is no longer quadratic.
void skipLeastEntries(Lists& lists, std::int32_t& left, std::int32_t right, const Split& split) {
    for (std::int32_t remaining = split.leastCount;
         left < right && remaining > 0 && lists.size(middle(left, right)) == split.least;
         ++left, --remaining)
        lists.exchange(middle(left, right), left);
}

void sortRange(Lists& lists, std::int32_t left, std::int32_t right) {
    while (left < right) {
        const Split split = partition(lists, left, right);
        if (split.allEqual) {
            settleEqualRun(lists, left + 1, right);
            return;
        }
        // The two parts are disjoint, so the order they are sorted in changes nothing;
        // recursing into the smaller one keeps the depth logarithmic.
        if (split.boundary - left < right - split.boundary) {
            sortRange(lists, left, split.boundary - 1);
            left = split.boundary + 1;
            skipLeastEntries(lists, left, right, split);
        } else {
            sortRange(lists, split.boundary + 1, right);
            right = split.boundary - 1;
        }
    }
}

} // namespace

void quickSortRight(std::vector<std::uint64_t>& sizes, std::vector<std::string>& files,
                    std::int32_t left, std::int32_t right) {
    Lists lists{sizes, files};
    sortRange(lists, left, right);
}

} // namespace twinpics
