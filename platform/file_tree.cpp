#include "file_tree.h"

#include "paths.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace twinpics {
namespace {

struct Entry {
    std::string name;
    bool isFolder; // a real folder, not a link to one
};

bool isRealFolder(const std::string& path, unsigned char type) {
    if (type != DT_UNKNOWN)
        return type == DT_DIR;
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// One folder's entries, sorted. The folder is closed before anything below it is opened, so
// a deep tree never holds more than one descriptor.
std::vector<Entry> readFolder(const std::string& folder) {
    std::vector<Entry> entries;
    DIR* stream = ::opendir(folder.c_str());
    if (stream == nullptr)
        return entries;
    while (const dirent* item = ::readdir(stream)) {
        const std::string_view name = item->d_name;
        if (name == "." || name == "..")
            continue;
        std::string ownName(name);
        const bool folderEntry = isRealFolder(joinPath(folder, ownName), item->d_type);
        entries.push_back({std::move(ownName), folderEntry});
    }
    ::closedir(stream);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

// A folder being walked: its relative path, its sorted entries and how far the walk is.
struct Level {
    std::string relative;
    std::vector<Entry> entries;
    std::size_t next = 0;
};

} // namespace

void listTree(const std::string& root, const std::function<void(std::string_view)>& visit) {
    // An explicit stack rather than recursion: trees nested thousands deep must not
    // exhaust the call stack.
    std::vector<Level> stack;
    stack.push_back({"", readFolder(root)});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.entries.size()) {
            stack.pop_back();
            continue;
        }
        const Entry& entry = level.entries[level.next++];
        std::string relative =
            level.relative.empty() ? entry.name : level.relative + '/' + entry.name;
        visit(relative);
        if (entry.isFolder) {
            auto contents = readFolder(joinPath(root, relative));
            stack.push_back({std::move(relative), std::move(contents)});
        }
    }
}

} // namespace twinpics
