#include "check_duplication.h"

#include "paths.h"

#include <algorithm>
#include <array>
#include <span>

namespace twinpics {
namespace {

// Exact spellings only: mixed case and other short forms are not accepted.
constexpr std::array<std::string_view, 4> jpeg{"jpg", "jpeg", "JPG", "JPEG"};
constexpr std::array<std::string_view, 2> gif{"gif", "GIF"};
constexpr std::array<std::string_view, 2> png{"png", "PNG"};
constexpr std::array<std::string_view, 2> tiff{"tiff", "TIFF"};

std::span<const std::string_view> extensionsOf(std::int32_t tag) {
    switch (tag) {
    case 0:
        return jpeg;
    case 1:
        return gif;
    case 2:
        return png;
    case 3:
        return tiff;
    default:
        return {};
    }
}

} // namespace

bool CheckDuplication::typeCheckArray(std::int32_t tag, std::string_view path) const {
    const auto accepted = extensionsOf(tag);
    if (accepted.empty())
        return false;
    const auto extension = pathExtension(path);
    return std::find(accepted.begin(), accepted.end(), extension) != accepted.end();
}

} // namespace twinpics
