#include "file_tree.h"
#include "temp_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace twinpics {
namespace {

using ::testing::ElementsAre;
using testing::TempTree;

std::vector<std::string> listing(const std::string& root) {
    std::vector<std::string> entries;
    listTree(root, [&](std::string_view entry) { entries.emplace_back(entry); });
    return entries;
}

TEST(FileTree, ListsEveryEntryDepthFirstInByteOrder) {
    TempTree tree;
    tree.file("b.jpg", "x");
    tree.file("a/z.jpg", "x");
    tree.file("a/.hidden.jpg", "x");
    tree.file("B.jpg", "x");
    tree.file("\xff-not-utf8.jpg", "x");
    tree.folder("a/empty");
    EXPECT_THAT(listing(tree.root()), ElementsAre("B.jpg", "a", "a/.hidden.jpg", "a/empty",
                                                  "a/z.jpg", "b.jpg", "\xff-not-utf8.jpg"));
}

TEST(FileTree, ListsLinksToFoldersWithoutEnteringThem) {
    TempTree tree;
    tree.file("real/photo.jpg", "x");
    tree.symlink("..", "real/up");
    tree.symlink(tree.path("real"), "again");
    EXPECT_THAT(listing(tree.root()), ElementsAre("again", "real", "real/photo.jpg", "real/up"));
}

TEST(FileTree, GivesNothingForARootThatIsNoFolder) {
    TempTree tree;
    tree.file("photo.jpg", "x");
    EXPECT_THAT(listing(tree.path("photo.jpg")), ElementsAre());
    EXPECT_THAT(listing(tree.path("missing")), ElementsAre());
}

TEST(FileTree, RootEndingWithASeparatorGivesTheSameEntries) {
    TempTree tree;
    tree.file("a/b.jpg", "x");
    EXPECT_EQ(listing(tree.root() + "/"), listing(tree.root()));
}

TEST(FileTree, PassesOverAFolderThatCannotBeRead) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits stop nothing for root";
    TempTree tree;
    tree.file("locked/inside.jpg", "x");
    tree.file("open.jpg", "x");
    ASSERT_EQ(::chmod(tree.path("locked").c_str(), 0), 0);
    const auto entries = listing(tree.root());
    ::chmod(tree.path("locked").c_str(), 0700);
    EXPECT_THAT(entries, ElementsAre("locked", "open.jpg"));
}

TEST(FileTree, WalksDeepTrees) {
    TempTree tree;
    std::string deep;
    for (int level = 0; level < 300; ++level)
        deep += "d/";
    tree.file(deep + "bottom.jpg", "x");
    const auto entries = listing(tree.root());
    ASSERT_EQ(entries.size(), 301u);
    EXPECT_EQ(entries.back(), deep + "bottom.jpg");
}

} // namespace
} // namespace twinpics
