// The duplicate remover must never lose the last copy of a picture, never hang on odd
// entries and never mistake one name for another.
#include "controller_fixture.h"
#include "undeletable.h"

#include <gmock/gmock.h>

namespace twinpics::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Pairs = std::vector<std::pair<std::string, std::string>>;

using OddEntries = ControllerTest;

TEST_F(OddEntries, OneFileReachedTwiceIsNoPair) {
    tree.file("photo.jpg", "only copy");
    tree.symlink("photo.jpg", "link.jpg");
    tree.hardLink("photo.jpg", "hard.jpg");
    controller.applicationOpenFile(tree.root());
    EXPECT_EQ(files().size(), 3u);
    EXPECT_EQ(shownPairs(), Pairs{});
}

TEST_F(OddEntries, FifosDevicesAndFoldersNeitherHangNorPair) {
    tree.fifo("pipe.jpg");
    tree.fifo("pipe2.jpg");
    tree.symlink("/dev/zero", "zero.jpg");
    tree.symlink("/dev/zero", "zero2.jpg");
    tree.folder("empty.jpg");
    tree.folder("empty2.jpg");
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    controller.applicationOpenFile(tree.root());
    controller.skip();
    EXPECT_EQ(shownPairs(), (Pairs{{"a.jpg", "b.jpg"}}));
}

TEST_F(OddEntries, AwkwardNamesAreFoundShownAndRemovedAsTheyAre) {
    const std::vector<std::string> names = {"\xff\xfe latin1 \xe9.jpg", "new\nline.jpg", "-rf.jpg",
                                            " spaced .jpg", "100%d.jpg"};
    for (const auto& name : names)
        tree.file(name, "same bytes");
    controller.applicationOpenFile(tree.root());
    controller.confirm(0);
    for (std::size_t k = 1; k < names.size(); ++k)
        controller.deleteRightImage();
    int left = 0;
    for (const auto& name : names)
        left += tree.exists(name) ? 1 : 0;
    EXPECT_EQ(left, 1);
    EXPECT_EQ(shownPairs().size(), names.size() - 1);
    for (const auto& [leftName, rightName] : shownPairs()) {
        EXPECT_THAT(names, ::testing::Contains(leftName));
        EXPECT_THAT(names, ::testing::Contains(rightName));
    }
}

// The disk may change between showing a pair and the user's answer.
class ChangedAfterShown : public ControllerTest {
protected:
    void SetUp() override {
        tree.file("a.jpg", "same");
        tree.file("b.jpg", "same");
        tree.file("c.jpg", "same");
        scanTree(); // shows (b, a)
        controller.confirm(0);
    }
    void expectKeptWith(const std::string& reason) {
        EXPECT_TRUE(tree.exists("b.jpg"));
        ASSERT_EQ(controls.failures.size(), 1u);
        EXPECT_THAT(controls.failures[0], HasSubstr(fullPath("b.jpg")));
        EXPECT_THAT(controls.failures[0], HasSubstr(reason));
        EXPECT_EQ(files()[0], "b.jpg");
        // Goes on as after a refusal: the same left file with the next right file.
        EXPECT_EQ(shownPairs(), (Pairs{{"b.jpg", "c.jpg"}}));
    }
};

TEST_F(ChangedAfterShown, KeepsTheFileWhenItsCopyIsGone) {
    ASSERT_EQ(::unlink(tree.path("a.jpg").c_str()), 0);
    controller.deleteLeftImage();
    expectKeptWith("no longer exists");
}

TEST_F(ChangedAfterShown, KeepsTheFileWhenItsCopyChanged) {
    tree.file("a.jpg", "edit");
    controller.deleteLeftImage();
    expectKeptWith("no longer identical");
}

TEST_F(ChangedAfterShown, KeepsTheFileWhenItsCopyIsNowTheSameFile) {
    ASSERT_EQ(::unlink(tree.path("a.jpg").c_str()), 0);
    tree.hardLink("b.jpg", "a.jpg");
    controller.deleteLeftImage();
    expectKeptWith("same file");
}

TEST_F(ChangedAfterShown, KeepsTheRightFileWhenTheLeftOneChanged) {
    tree.file("b.jpg", "edit");
    controller.deleteRightImage();
    EXPECT_TRUE(tree.exists("a.jpg"));
    ASSERT_EQ(controls.failures.size(), 1u);
    EXPECT_THAT(controls.failures[0], HasSubstr(fullPath("a.jpg")));
}

TEST_F(ControllerTest, AFailedRemovalIsReportedAndChangesNothing) {
    tree.file("locked/a.jpg", "same");
    tree.file("locked/b.jpg", "same");
    tree.file("locked/c.jpg", "same");
    scanTree(); // shows (b, a)
    controller.confirm(0);
    const Undeletable lock(tree.path("locked"));
    if (!lock.active())
        GTEST_SKIP() << "this file system cannot make a folder undeletable";
    controller.deleteLeftImage();
    EXPECT_TRUE(tree.exists("locked/b.jpg"));
    ASSERT_EQ(controls.failures.size(), 1u);
    EXPECT_THAT(controls.failures[0], HasSubstr(fullPath("locked/b.jpg")));
    EXPECT_THAT(controls.failures[0], ::testing::AnyOf(HasSubstr("Operation not permitted"),
                                                       HasSubstr("Permission denied")));
    EXPECT_THAT(files(), ElementsAre("locked/b.jpg", "locked/a.jpg", "locked/c.jpg"));
    EXPECT_EQ(shownPairs(), (Pairs{{"locked/b.jpg", "locked/c.jpg"}}));
}

} // namespace
} // namespace twinpics::testing
