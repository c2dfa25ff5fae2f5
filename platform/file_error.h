#pragma once

#include <string>

namespace twinpics {

// A failed file operation, as a value: what failed, on which path, and the errno it gave.
struct FileError {
    int code;
    std::string path;

    // The system's own wording of the errno, such as "Operation not permitted".
    std::string reason() const;
};

} // namespace twinpics
