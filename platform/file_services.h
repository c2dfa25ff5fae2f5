#pragma once

#include "file_error.h"

#include <cstdint>
#include <optional>
#include <string>

namespace twinpics {

// The size in bytes of what path names, a final symbolic link followed; nothing when it
// cannot be read (a dangling link, an entry that has gone).
std::optional<std::uint64_t> fileSize(const std::string& path);

// Whether path names something, a final symbolic link followed.
bool exists(const std::string& path);

// Removes the file at once (no trash folder). Returns the error when it could not.
std::optional<FileError> removeFile(const std::string& path);

} // namespace twinpics
