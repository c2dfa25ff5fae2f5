#include "file_services.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace twinpics {

std::optional<std::uint64_t> fileSize(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

bool exists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

std::optional<FileError> removeFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0)
        return std::nullopt;
    return FileError{errno, path};
}

} // namespace twinpics
