#include "phase_hooks.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The mangled names of the three functions come from bench/CMakeLists.txt, which also asks
// the linker to wrap them; a name that no longer matches the library fails the link with an
// undefined __real_ symbol rather than measuring nothing.
#ifdef TWINPICS_WALK_PHASE_HOOKS

namespace twinpics::walk::hooks {

// External linkage throughout: the linker must see these names.
using Visit = std::function<void(std::string_view)>;

// The real functions, reached by ld's __real_ names.
void realListTree(const std::string& root,
                  const Visit& visit) asm("__real_" TWINPICS_LIST_TREE_SYMBOL);
std::optional<std::uint64_t>
realFileSize(const std::string& path) asm("__real_" TWINPICS_FILE_SIZE_SYMBOL);
void realQuickSortRight(std::vector<std::uint64_t>& sizes, std::vector<std::string>& files,
                        std::int32_t left,
                        std::int32_t right) asm("__real_" TWINPICS_QUICK_SORT_RIGHT_SYMBOL);

// The wrappers, which the scan's calls reach instead.
void wrappedListTree(const std::string& root,
                     const Visit& visit) asm("__wrap_" TWINPICS_LIST_TREE_SYMBOL);
std::optional<std::uint64_t>
wrappedFileSize(const std::string& path) asm("__wrap_" TWINPICS_FILE_SIZE_SYMBOL);
void wrappedQuickSortRight(std::vector<std::uint64_t>& sizes, std::vector<std::string>& files,
                           std::int32_t left,
                           std::int32_t right) asm("__wrap_" TWINPICS_QUICK_SORT_RIGHT_SYMBOL);

void wrappedListTree(const std::string& root, const Visit& visit) {
    PhaseRecord& record = phaseRecord();
    record.listingStart = Clock::now();
    std::uint64_t listed = 0;
    realListTree(root, [&](std::string_view path) {
        ++listed;
        visit(path);
    });
    record.entriesListed += listed;
    record.listingEnd = Clock::now();
}

std::optional<std::uint64_t> wrappedFileSize(const std::string& path) {
    PhaseRecord& record = phaseRecord();
    ++record.sizeReads;
    auto size = realFileSize(path);
    if (!size)
        ++record.sizeFailures;
    return size;
}

void wrappedQuickSortRight(std::vector<std::uint64_t>& sizes, std::vector<std::string>& files,
                           std::int32_t left, std::int32_t right) {
    PhaseRecord& record = phaseRecord();
    record.sortStart = Clock::now();
    realQuickSortRight(sizes, files, left, right);
    record.sortEnd = Clock::now();
}

} // namespace twinpics::walk::hooks

namespace twinpics::walk {
bool phaseHooksLinked() {
    return true;
}
} // namespace twinpics::walk

#else

namespace twinpics::walk {
bool phaseHooksLinked() {
    return false;
}
} // namespace twinpics::walk

#endif

namespace twinpics::walk {

PhaseRecord& phaseRecord() {
    static PhaseRecord record;
    return record;
}

} // namespace twinpics::walk
