#pragma once

#include <cstdint>
#include <string_view>

namespace twinpics {

// Decides from a path's name alone whether it belongs to the chosen image type:
// 0 JPEG, 1 GIF, 2 PNG, 3 TIFF; any other tag accepts nothing.
class CheckDuplication {
public:
    bool typeCheckArray(std::int32_t tag, std::string_view path) const;
};

} // namespace twinpics
