#pragma once

#include <string>
#include <string_view>

// Paths are bytes: nothing here decodes or normalises them.
namespace twinpics {

// root and relative joined by exactly one '/', also when root is "/" or ends with '/'.
std::string joinPath(std::string_view root, std::string_view relative);

// The text after the last dot of the last component; empty when that component has no dot,
// ends with one, or is a hidden name whose only dot leads it (".jpg" is a name, not a type).
std::string_view pathExtension(std::string_view path);

} // namespace twinpics
