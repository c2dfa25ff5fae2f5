#include "file_error.h"

#include <cstring>

namespace twinpics {

std::string FileError::reason() const {
    return std::strerror(code);
}

} // namespace twinpics
