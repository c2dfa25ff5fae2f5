#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace twinpics {

// Marks the entry of a deleted file. No candidate can be spelled so: every candidate's name
// ends in an image extension.
inline constexpr std::string_view tombstone = "trash";

// What one scan of a folder produces and the review works on.
struct ScanState {
    std::vector<std::string> fileArray;   // candidate paths, relative to the root
    std::vector<std::uint64_t> sizeArray; // entry k: the size of the file at fileArray[k]
    std::vector<std::string> nandeArray;  // element 0: the root; empty after a cancelled chooser
    std::int32_t i = 0;                   // the left file of the pair on display
    std::int32_t j = 0;                   // the right file of the pair on display
    std::int32_t conf = 0;                // 0: ask before deleting

    // Cursors are signed and lengths unsigned; a cursor is compared as an unsigned number, so
    // -1 never counts as inside the list.
    bool isIndex(std::int32_t cursor) const {
        return static_cast<std::uint32_t>(cursor) < fileArray.size();
    }
    bool isLive(std::int32_t cursor) const {
        return isIndex(cursor) && fileArray[static_cast<std::size_t>(cursor)] != tombstone;
    }
};

} // namespace twinpics
