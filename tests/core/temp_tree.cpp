#include "temp_tree.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace twinpics::testing {

namespace fs = std::filesystem;

namespace {

void check(bool ok, const std::string& what) {
    if (!ok)
        throw std::runtime_error("test tree: cannot " + what);
}

} // namespace

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "twinpics-test-XXXXXX").string();
    check(::mkdtemp(pattern.data()) != nullptr, "make " + pattern);
    root_ = pattern;
}

TempTree::~TempTree() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string TempTree::path(const std::string& relative) const {
    return root_ + "/" + relative;
}

void TempTree::makeParents(const std::string& relative) const {
    fs::create_directories(fs::path(path(relative)).parent_path());
}

void TempTree::file(const std::string& relative, const std::string& contents) {
    makeParents(relative);
    std::ofstream out(path(relative), std::ios::binary | std::ios::trunc);
    out << contents;
    check(out.good(), "write " + relative);
}

void TempTree::folder(const std::string& relative) {
    fs::create_directories(path(relative));
}

void TempTree::symlink(const std::string& target, const std::string& relative) {
    makeParents(relative);
    check(::symlink(target.c_str(), path(relative).c_str()) == 0, "link " + relative);
}

void TempTree::hardLink(const std::string& existing, const std::string& relative) {
    makeParents(relative);
    check(::link(path(existing).c_str(), path(relative).c_str()) == 0, "hard-link " + relative);
}

void TempTree::fifo(const std::string& relative) {
    makeParents(relative);
    check(::mkfifo(path(relative).c_str(), 0600) == 0, "make FIFO " + relative);
}

bool TempTree::exists(const std::string& relative) const {
    struct stat status {};
    return ::lstat(path(relative).c_str(), &status) == 0;
}

std::string TempTree::read(const std::string& relative) const {
    std::ifstream in(path(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace twinpics::testing
