#include "controller_fixture.h"

#include <gmock/gmock.h>

namespace twinpics::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Pairs = std::vector<std::pair<std::string, std::string>>;

using PairSearch = ControllerTest;

TEST_F(PairSearch, ShowsTheFirstPairThenEndsTheWalkOnSkip) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    controller.applicationOpenFile(tree.root());
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("open off", "right off", "left off", "skipTheRope off", "maxNumber 2",
                            "fileNumber 1", "progressView 50", "leftPath a.jpg", "rightPath b.jpg",
                            "leftImage " + fullPath("a.jpg") + " at pixel size",
                            "rightImage " + fullPath("b.jpg") + " at pixel size", "right on",
                            "left on", "skipTheRope on"));
    controller.skip();
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("fileNumber 1", "progressView 50", "maxNumber 2", "fileNumber 2",
                            "progressView 100", "open on", "right off", "left off",
                            "skipTheRope off", "beep"));
    EXPECT_EQ(controller.scanState().i, 2);
}

TEST_F(PairSearch, ShowsEveryPairOfOneSizeOnceInOrder) {
    // One size: the sort leaves them as b, a, c.
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    tree.file("c.jpg", "same");
    controller.applicationOpenFile(tree.root());
    ASSERT_THAT(files(), ElementsAre("b.jpg", "a.jpg", "c.jpg"));
    controller.skip();
    controller.skip();
    controller.skip();
    EXPECT_EQ(shownPairs(), (Pairs{{"b.jpg", "a.jpg"}, {"b.jpg", "c.jpg"}, {"a.jpg", "c.jpg"}}));
    EXPECT_EQ(controls.beeps(), 1);
}

TEST_F(PairSearch, ShowsTheFirstPairOfEachLeftFileAtPixelSizeAndLaterOnesAsStored) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    tree.file("c.jpg", "same");
    scanTree();
    controller.skip(); // (b, c), same left file
    controller.skip(); // (a, c), a new left file
    EXPECT_THAT(controls.log,
                ::testing::IsSupersetOf({"leftImage " + fullPath("b.jpg") + " as stored",
                                         "rightImage " + fullPath("c.jpg") + " as stored",
                                         "leftImage " + fullPath("a.jpg") + " at pixel size"}));
}

TEST_F(PairSearch, PassesOverFilesOfOneSizeWithOtherBytes) {
    tree.file("a.jpg", "1111");
    tree.file("b.jpg", "2222");
    tree.file("c.jpg", "333");
    tree.file("d.jpg", "333");
    controller.applicationOpenFile(tree.root());
    ASSERT_THAT(files(), ElementsAre("d.jpg", "c.jpg", "b.jpg", "a.jpg"));
    controller.skip();
    EXPECT_EQ(shownPairs(), (Pairs{{"d.jpg", "c.jpg"}}));
    EXPECT_EQ(controls.beeps(), 1);
}

TEST_F(PairSearch, TwoEmptyFilesAreAPair) {
    tree.file("a.png", "");
    tree.file("b.png", "");
    controls.selectedTag = 2;
    controller.applicationOpenFile(tree.root());
    EXPECT_EQ(shownPairs(), (Pairs{{"a.png", "b.png"}}));
}

TEST_F(PairSearch, OneFileShowsItsPositionAndEnds) {
    tree.file("only.jpg", "x");
    controller.applicationOpenFile(tree.root());
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("open off", "right off", "left off", "skipTheRope off", "maxNumber 1",
                            "fileNumber 1", "progressView 100", "beep", "open on"));
}

TEST_F(PairSearch, ShowsProgressAsAShareOfAllCandidates) {
    tree.file("a.jpg", "1");
    tree.file("b.jpg", "22");
    tree.file("c.jpg", "22");
    controller.applicationOpenFile(tree.root());
    EXPECT_THAT(controls.log, ::testing::IsSupersetOf({"progressView 33.3333", "fileNumber 2",
                                                       "progressView 66.6667"}));
    EXPECT_EQ(shownPairs(), (Pairs{{"b.jpg", "c.jpg"}}));
}

TEST_F(PairSearch, NeverShowsAFileThatCannotBeRead) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    scanTree();
    ASSERT_EQ(::unlink(tree.path("b.jpg").c_str()), 0);
    tree.file("c.jpg", "same"); // not in this scan
    controller.skip();
    EXPECT_THAT(shownPairs(), IsEmpty());
}

} // namespace
} // namespace twinpics::testing
