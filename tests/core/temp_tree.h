#pragma once

#include <string>

namespace twinpics::testing {

// A folder tree made for one test in a fresh temporary folder and removed afterwards. All
// paths given to it are relative to its root; folders on the way are made as needed.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const;

    void file(const std::string& relative, const std::string& contents);
    void folder(const std::string& relative);
    void symlink(const std::string& target, const std::string& relative);
    void hardLink(const std::string& existing, const std::string& relative);
    void fifo(const std::string& relative);

    bool exists(const std::string& relative) const; // the entry itself, links not followed
    std::string read(const std::string& relative) const;

private:
    void makeParents(const std::string& relative) const;
    std::string root_;
};

} // namespace twinpics::testing
