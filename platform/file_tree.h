#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace twinpics {

// Calls visit with every entry below root, at any depth (files, folders, links, hidden
// entries), each as a path relative to root with no leading '/'. Each folder's entries come
// in byte order of their names, a folder's contents right after the folder itself, so the
// same tree always gives the same order. Folders reached through a symbolic link are listed
// but not entered; a folder that cannot be read is listed without contents; a root that
// cannot be listed gives nothing.
void listTree(const std::string& root, const std::function<void(std::string_view)>& visit);

} // namespace twinpics
