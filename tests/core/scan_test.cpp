#include "controller_fixture.h"

#include <cstdlib>
#include <gmock/gmock.h>

namespace twinpics::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Pairs = std::vector<std::pair<std::string, std::string>>;

using Scan = ControllerTest;

TEST_F(Scan, ACancelledChooserDropsTheListsQuietly) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    scanTree();
    ::setenv("HOME", "/home/somebody", 1);
    controller.selectFolder();
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("open off", "right off", "left off", "skipTheRope off",
                            "chooser Select Folder at /home/somebody", "open on"));
    EXPECT_THAT(controller.scanState().nandeArray, IsEmpty());
    EXPECT_THAT(files(), IsEmpty());
    EXPECT_EQ(controller.scanState().i, 0);
    EXPECT_EQ(controller.scanState().j, 1);
}

TEST_F(Scan, FromTheChooserLeavesOpenEnabledWithAPairOnDisplay) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    controls.chooserAnswers = {tree.root()};
    controller.selectFolder();
    EXPECT_EQ(controls.log.back(), "open on");
    EXPECT_TRUE(controller.hasPairOnDisplay());
    EXPECT_THAT(controller.scanState().nandeArray, ElementsAre(tree.root()));
}

TEST_F(Scan, FromAHandedOverPathKeepsOpenDisabledUntilTheWalkEnds) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    controller.applicationOpenFile(tree.root());
    EXPECT_EQ(controls.log.back(), "skipTheRope on");
    EXPECT_THAT(controls.log, ::testing::Not(::testing::Contains("open on")));
}

TEST_F(Scan, WithoutCandidatesBeepsAndEnablesOpen) {
    tree.file("photo.png", "x");
    tree.file("notes.txt", "x");
    controller.applicationOpenFile(tree.root());
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("open off", "right off", "left off", "skipTheRope off", "maxNumber 0",
                            "beep", "open on"));
    EXPECT_THAT(controller.scanState().nandeArray, ElementsAre(tree.root()));
    EXPECT_EQ(controller.scanState().i, 0);
}

TEST_F(Scan, APathThatNamesAFileFindsNothing) {
    tree.file("photo.jpg", "x");
    controller.applicationOpenFile(tree.path("photo.jpg"));
    EXPECT_THAT(files(), IsEmpty());
    EXPECT_EQ(controls.beeps(), 1);
}

TEST_F(Scan, ARootEndingWithASeparatorGivesSingleSeparators) {
    tree.file("sub/a.jpg", "same");
    tree.file("sub/b.jpg", "same");
    controller.applicationOpenFile(tree.root() + "/");
    EXPECT_THAT(controls.log,
                ::testing::Contains(::testing::HasSubstr(tree.root() + "/sub/a.jpg at pixel")));
}

TEST_F(Scan, UsesTheTypeSelectedWhenItStarts) {
    tree.file("a.gif", "same");
    tree.file("b.gif", "same");
    tree.file("c.jpg", "same");
    controls.selectedTag = 1;
    scanTree();
    controls.selectedTag = 0;
    EXPECT_THAT(files(), ElementsAre("a.gif", "b.gif"));
}

TEST_F(Scan, AfterDeletionsListsOnlyWhatIsLeft) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    scanTree();
    controller.confirm(0);
    controller.deleteRightImage();
    scanTree();
    EXPECT_THAT(files(), ElementsAre("a.jpg"));
}

TEST_F(Scan, LeavesOutCandidatesWhoseSizeCannotBeRead) {
    tree.file("a.jpg", "same");
    tree.symlink("missing.jpg", "dangling.jpg");
    tree.file("b.jpg", "same");
    controller.applicationOpenFile(tree.root());
    EXPECT_THAT(files(), ElementsAre("a.jpg", "b.jpg"));
    EXPECT_EQ(controller.scanState().sizeArray.size(), 2u);
    EXPECT_EQ(shownPairs(), (Pairs{{"a.jpg", "b.jpg"}}));
}

TEST_F(Scan, ListsFoldersAndLinksByTheirNames) {
    tree.file("shots.jpg/inner.jpg", "x");
    tree.file("real.jpg", "y");
    tree.symlink("real.jpg", "link.jpg");
    scanTree();
    EXPECT_THAT(files(), ::testing::UnorderedElementsAre("shots.jpg", "shots.jpg/inner.jpg",
                                                         "real.jpg", "link.jpg"));
}

} // namespace
} // namespace twinpics::testing
