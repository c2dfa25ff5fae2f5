#include "controller_fixture.h"

#include <gmock/gmock.h>

namespace twinpics::testing {
namespace {

using ::testing::ElementsAre;
using Pairs = std::vector<std::pair<std::string, std::string>>;

constexpr int yes = 1;

// Three copies of one picture and another file; the sort leaves them as b, c, a, other, so
// (b, c) is shown first.
class ReviewCommands : public ControllerTest {
protected:
    void SetUp() override {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            tree.file(name, "same");
        tree.file("other.jpg", "different size");
        scanTree();
        ASSERT_EQ(controller.scanState().i, 0);
        ASSERT_EQ(controller.scanState().j, 1);
    }
};

TEST_F(ReviewCommands, AsksBeforeDeletingWithTheFullPath) {
    controls.alertAnswers = {yes};
    controller.deleteLeftImage();
    ASSERT_EQ(controls.alerts.size(), 1u);
    EXPECT_EQ(controls.alerts[0].title, "Delete?");
    EXPECT_EQ(controls.alerts[0].message,
              "Do you really want to delete file\n" + fullPath("b.jpg") + " ?");
    EXPECT_EQ(controls.alerts[0].defaultButton, "Yes");
    EXPECT_EQ(controls.alerts[0].alternateButton, "No");
}

TEST_F(ReviewCommands, DeletingTheLeftFileGoesOnWithTheNextLeftFile) {
    controls.alertAnswers = {yes};
    controller.deleteLeftImage();
    EXPECT_FALSE(tree.exists("b.jpg"));
    EXPECT_THAT(files(), ElementsAre("trash", "c.jpg", "a.jpg", "other.jpg"));
    EXPECT_EQ(controller.scanState().sizeArray.size(), 4u);
    EXPECT_EQ(shownPairs(), (Pairs{{"c.jpg", "a.jpg"}}));
}

TEST_F(ReviewCommands, DeletingTheRightFileKeepsTheLeftFile) {
    controls.alertAnswers = {yes};
    controller.deleteRightImage();
    EXPECT_FALSE(tree.exists("c.jpg"));
    EXPECT_EQ(shownPairs(), (Pairs{{"b.jpg", "a.jpg"}}));
    controls.alertAnswers = {yes};
    controller.deleteRightImage(); // a: now b is the only copy, and the walk is over
    EXPECT_FALSE(tree.exists("a.jpg"));
    EXPECT_TRUE(tree.exists("b.jpg"));
    EXPECT_THAT(files(), ElementsAre("b.jpg", "trash", "trash", "other.jpg"));
    EXPECT_EQ(controls.beeps(), 1);
}

TEST_F(ReviewCommands, ARefusedAlertGoesOnAsASkipDoes) {
    controls.alertAnswers = {0};
    controller.deleteLeftImage();
    EXPECT_TRUE(tree.exists("b.jpg"));
    EXPECT_THAT(files(), ElementsAre("b.jpg", "c.jpg", "a.jpg", "other.jpg"));
    EXPECT_EQ(shownPairs(), (Pairs{{"b.jpg", "a.jpg"}}));
}

TEST_F(ReviewCommands, AnotherPairOfTheSameLeftFileChangesNoButton) {
    controller.skip();
    EXPECT_THAT(controls.takeLog(),
                ElementsAre("fileNumber 1", "progressView 25", "leftPath b.jpg", "rightPath a.jpg",
                            "leftImage " + fullPath("b.jpg") + " as stored",
                            "rightImage " + fullPath("a.jpg") + " as stored"));
}

TEST_F(ReviewCommands, EndOfTheWalkEnablesOpenDisablesTheAnswersThenBeeps) {
    controller.skip();
    controller.skip();
    controls.takeLog();
    controller.skip();
    const auto log = controls.takeLog();
    ASSERT_GE(log.size(), 5u);
    EXPECT_THAT(std::vector(log.end() - 5, log.end()),
                ElementsAre("open on", "right off", "left off", "skipTheRope off", "beep"));
    EXPECT_EQ(shownPairs(), (Pairs{}));
    EXPECT_FALSE(controller.hasPairOnDisplay());
}

struct CheckboxCase {
    int state;
    bool asks;
};

void PrintTo(const CheckboxCase& c, std::ostream* out) {
    *out << "state " << c.state;
}

class Confirmation : public ReviewCommands, public ::testing::WithParamInterface<CheckboxCase> {};

TEST_P(Confirmation, AsksOnlyWhileTheCheckboxIsOn) {
    controller.confirm(GetParam().state);
    controls.alertAnswers = {yes, yes};
    controller.deleteRightImage();
    controller.deleteLeftImage();
    EXPECT_EQ(controls.alerts.size(), GetParam().asks ? 2u : 0u);
    EXPECT_FALSE(tree.exists("c.jpg"));
    EXPECT_FALSE(tree.exists("b.jpg"));
    EXPECT_TRUE(tree.exists("a.jpg"));
}

INSTANTIATE_TEST_SUITE_P(States, Confirmation,
                         ::testing::Values(CheckboxCase{1, true}, CheckboxCase{0, false},
                                           CheckboxCase{-1, false}));

TEST_F(ReviewCommands, KeepTheirConfirmationSettingAcrossScans) {
    controller.confirm(0);
    scanTree();
    controller.deleteRightImage();
    EXPECT_TRUE(controls.alerts.empty());
    EXPECT_FALSE(tree.exists("c.jpg"));
}

using Alert = ControllerTest;

TEST_F(Alert, ShowsFormatCharactersOfAPathUnchanged) {
    tree.file("100% %s %@.jpg", "percent");
    tree.file("100% %s %@ 2.jpg", "percent");
    scanTree();
    controller.deleteRightImage();
    ASSERT_EQ(controls.alerts.size(), 1u);
    EXPECT_THAT(controls.alerts[0].message, ::testing::HasSubstr("/100% %s %@.jpg ?"));
}

// Answers that arrive while no pair of the current lists is on display act on nothing.
class WithoutAPair : public ControllerTest,
                     public ::testing::WithParamInterface<void (Controller::*)()> {
protected:
    void answerAndExpectNothing() {
        controls.takeLog();
        controller.confirm(0);
        (controller.*GetParam())();
        EXPECT_THAT(controls.log, ElementsAre());
    }
};

TEST_P(WithoutAPair, BeforeAnyScan) {
    answerAndExpectNothing();
}

TEST_P(WithoutAPair, AfterACancelledChooser) {
    tree.file("a.jpg", "same");
    tree.file("b.jpg", "same");
    scanTree();
    controller.selectFolder(); // no chooser answer: cancelled
    EXPECT_THAT(controls.log,
                ::testing::IsSupersetOf({"right off", "left off", "skipTheRope off"}));
    answerAndExpectNothing();
    EXPECT_TRUE(tree.exists("a.jpg"));
    EXPECT_TRUE(tree.exists("b.jpg"));
}

TEST_P(WithoutAPair, AfterAScanThatFoundNoPair) {
    tree.file("pair/a.jpg", "same");
    tree.file("pair/b.jpg", "same");
    tree.file("single/a.jpg", "same");
    controller.applicationOpenFile(tree.path("pair"));
    controller.applicationOpenFile(tree.path("single"));
    EXPECT_EQ(controls.log.back(), "open on");
    answerAndExpectNothing();
    EXPECT_TRUE(tree.exists("single/a.jpg"));
    EXPECT_TRUE(tree.exists("pair/a.jpg"));
}

INSTANTIATE_TEST_SUITE_P(Answers, WithoutAPair,
                         ::testing::Values(&Controller::skip, &Controller::deleteLeftImage,
                                           &Controller::deleteRightImage));

} // namespace
} // namespace twinpics::testing
