#include "size_sort.h"

#include <gtest/gtest.h>
#include <numeric>

namespace twinpics {
namespace {

struct SortCase {
    std::vector<std::uint64_t> sizesBefore;
    std::vector<std::string> pathsBefore;
    std::vector<std::uint64_t> sizesAfter;
    std::vector<std::string> pathsAfter;
};

void PrintTo(const SortCase& c, std::ostream* out) {
    for (auto size : c.sizesBefore)
        *out << size << ' ';
}

class SizeSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(SizeSort, LeavesTheseOrders) {
    auto sizes = GetParam().sizesBefore;
    auto paths = GetParam().pathsBefore;
    quickSortRight(sizes, paths, 0, static_cast<std::int32_t>(sizes.size()) - 1);
    EXPECT_EQ(sizes, GetParam().sizesAfter);
    EXPECT_EQ(paths, GetParam().pathsAfter);
}

// Among equal sizes the order decides which copy is shown on the left, so these orders are
// part of the behaviour, not an accident of it.
INSTANTIATE_TEST_SUITE_P(
    Orders, SizeSort,
    ::testing::Values(
        SortCase{{3, 1, 2}, {"a", "b", "c"}, {1, 2, 3}, {"b", "c", "a"}},
        SortCase{{2, 1}, {"a", "b"}, {1, 2}, {"b", "a"}},
        SortCase{{5, 5, 5}, {"a", "b", "c"}, {5, 5, 5}, {"b", "a", "c"}},
        SortCase{{5, 5, 5, 5}, {"a", "b", "c", "d"}, {5, 5, 5, 5}, {"b", "c", "a", "d"}},
        SortCase{
            {7, 3, 7, 1, 3}, {"a", "b", "c", "d", "e"}, {1, 3, 3, 7, 7}, {"d", "b", "e", "c", "a"}},
        SortCase{{4, 3, 2, 1}, {"a", "b", "c", "d"}, {1, 2, 3, 4}, {"d", "c", "b", "a"}},
        SortCase{{1, 2, 3, 4}, {"a", "b", "c", "d"}, {1, 2, 3, 4}, {"a", "b", "c", "d"}},
        SortCase{{10, 9}, {"ten", "nine"}, {9, 10}, {"nine", "ten"}},
        SortCase{{1ull << 32, 1}, {"big", "one"}, {1, 1ull << 32}, {"one", "big"}},
        SortCase{{}, {}, {}, {}}, SortCase{{1}, {"a"}, {1}, {"a"}}));

std::vector<std::string> numbered(std::size_t count) {
    std::vector<std::string> names(count);
    for (std::size_t k = 0; k < count; ++k)
        names[k] = std::to_string(k);
    return names;
}

// A million files of one size: neither the stack nor quadratic time may give out.
TEST(SizeSort, SortsALongRunOfOneSize) {
    const std::size_t count = 1'000'000;
    std::vector<std::uint64_t> sizes(count, 42);
    auto paths = numbered(count);
    quickSortRight(sizes, paths, 0, static_cast<std::int32_t>(count) - 1);
    auto sorted = paths;
    std::sort(sorted.begin(), sorted.end());
    auto expected = numbered(count);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected); // a permutation: nothing lost or doubled
    EXPECT_EQ(paths[0], std::to_string((count - 1) / 2));
}

// A long run of one size beside a single larger file: the partition steps peel one entry
// at a time off the run, which must not cost a pass over the run each.
TEST(SizeSort, SortsALongRunBesideALargerSize) {
    const std::size_t count = 1'000'000;
    std::vector<std::uint64_t> sizes(count, 42);
    sizes[count / 3] = 43;
    auto paths = numbered(count);
    quickSortRight(sizes, paths, 0, static_cast<std::int32_t>(count) - 1);
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));
    EXPECT_EQ(paths.back(), std::to_string(count / 3));
}

// Paths must travel with their sizes whatever the mix of runs and distinct sizes.
TEST(SizeSort, KeepsEachPathBesideItsSize) {
    std::vector<std::uint64_t> sizes;
    std::vector<std::string> paths;
    for (std::uint64_t k = 0; k < 5000; ++k) {
        sizes.push_back((k * 7919) % 97);
        paths.push_back(std::to_string(sizes.back()) + "/" + std::to_string(k));
    }
    quickSortRight(sizes, paths, 0, static_cast<std::int32_t>(sizes.size()) - 1);
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));
    for (std::size_t k = 0; k < sizes.size(); ++k)
        ASSERT_EQ(paths[k].substr(0, paths[k].find('/')), std::to_string(sizes[k])) << k;
}

} // namespace
} // namespace twinpics

namespace twinpics {
namespace {

// The sort step by step as first written: partition on the middle entry, recurse into both
// parts. The real sort takes shortcuts for runs of one size and for the stack; it must leave
// exactly the orders this one does.
void plainQuickSort(std::vector<std::uint64_t>& sizes, std::vector<std::string>& paths,
                    std::int32_t left, std::int32_t right) {
    if (left >= right)
        return;
    const std::int32_t middle = (left + right) / 2;
    std::swap(sizes[middle], sizes[left]);
    std::swap(paths[middle], paths[left]);
    std::int32_t boundary = left;
    for (std::int32_t k = left + 1; k <= right; ++k) {
        if (sizes[k] < sizes[left] && ++boundary != k) {
            std::swap(sizes[boundary], sizes[k]);
            std::swap(paths[boundary], paths[k]);
        }
    }
    std::swap(sizes[left], sizes[boundary]);
    std::swap(paths[left], paths[boundary]);
    plainQuickSort(sizes, paths, left, boundary - 1);
    plainQuickSort(sizes, paths, boundary + 1, right);
}

TEST(SizeSort, LeavesTheOrderOfThePlainQuicksort) {
    std::uint64_t seed = 12345;
    const auto next = [&seed] {
        return (seed = seed * 6364136223846793005u + 1442695040888963407u) >> 33;
    };
    for (int round = 0; round < 300; ++round) {
        const std::size_t count = next() % 60;
        const std::uint64_t distinct = 1 + next() % 6; // few sizes: long runs of each
        std::vector<std::uint64_t> sizes;
        for (std::size_t k = 0; k < count; ++k)
            sizes.push_back(next() % distinct);
        if (count > 0 && round % 3 == 0) { // one run with a lone larger or smaller size
            std::fill(sizes.begin(), sizes.end(), 5);
            sizes[next() % count] = 4 + 2 * (next() % 2);
        }
        auto paths = numbered(count);
        auto expectedSizes = sizes;
        auto expectedPaths = paths;
        plainQuickSort(expectedSizes, expectedPaths, 0, static_cast<std::int32_t>(count) - 1);
        quickSortRight(sizes, paths, 0, static_cast<std::int32_t>(count) - 1);
        ASSERT_EQ(paths, expectedPaths) << "round " << round;
    }
}

} // namespace
} // namespace twinpics
