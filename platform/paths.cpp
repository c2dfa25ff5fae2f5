#include "paths.h"

namespace twinpics {

std::string joinPath(std::string_view root, std::string_view relative) {
    while (!root.empty() && root.back() == '/')
        root.remove_suffix(1);
    while (!relative.empty() && relative.front() == '/')
        relative.remove_prefix(1);
    std::string joined;
    joined.reserve(root.size() + 1 + relative.size());
    joined.append(root).append(1, '/').append(relative);
    return joined;
}

std::string_view pathExtension(std::string_view path) {
    const auto slash = path.rfind('/');
    const auto name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    return name.substr(dot + 1);
}

} // namespace twinpics
