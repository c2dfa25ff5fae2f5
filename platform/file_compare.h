#pragma once

#include <string>

namespace twinpics {

enum class Sameness {
    identical,  // two different regular files with the same bytes
    different,  // their bytes differ
    sameFile,   // one file reached twice: a hard link, or a symbolic link to the other
    unreadable, // either is missing, unreadable or not a regular file
};

// Compares the contents of two files in fixed blocks, stopping at the first difference, so
// memory stays small whatever their size. Only regular files (links followed) are read, and
// nothing is opened in a way that can block: a FIFO, a device or a link to /dev/zero counts
// as unreadable.
Sameness compareContents(const std::string& first, const std::string& second);

} // namespace twinpics
