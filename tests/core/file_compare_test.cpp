#include "file_compare.h"
#include "temp_tree.h"

#include <gtest/gtest.h>

namespace twinpics {
namespace {

using testing::TempTree;

const std::string bigBlock(300 * 1024, 'x'); // longer than one read block

struct CompareCase {
    const char* name;
    void (*make)(TempTree&); // makes "first" and "second"
    Sameness expected;
};

void PrintTo(const CompareCase& c, std::ostream* out) {
    *out << c.name;
}

class CompareContents : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareContents, Judges) {
    TempTree tree;
    GetParam().make(tree);
    EXPECT_EQ(compareContents(tree.path("first"), tree.path("second")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CompareContents,
                         ::testing::Values(CompareCase{"identical",
                                                       [](TempTree& t) {
                                                           t.file("first", bigBlock + "tail");
                                                           t.file("second", bigBlock + "tail");
                                                       },
                                                       Sameness::identical},
                                           CompareCase{"both empty",
                                                       [](TempTree& t) {
                                                           t.file("first", "");
                                                           t.file("second", "");
                                                       },
                                                       Sameness::identical},
                                           CompareCase{"differ past the first block",
                                                       [](TempTree& t) {
                                                           t.file("first", bigBlock + "tail");
                                                           t.file("second", bigBlock + "tale");
                                                       },
                                                       Sameness::different},
                                           CompareCase{"one is a prefix of the other",
                                                       [](TempTree& t) {
                                                           t.file("first", "abc");
                                                           t.file("second", "abcd");
                                                       },
                                                       Sameness::different},
                                           CompareCase{"hard link",
                                                       [](TempTree& t) {
                                                           t.file("first", "same");
                                                           t.hardLink("first", "second");
                                                       },
                                                       Sameness::sameFile},
                                           CompareCase{"symbolic link to the other",
                                                       [](TempTree& t) {
                                                           t.file("first", "same");
                                                           t.symlink("first", "second");
                                                       },
                                                       Sameness::sameFile},
                                           CompareCase{"symbolic link to an identical copy",
                                                       [](TempTree& t) {
                                                           t.file("first", "same");
                                                           t.file("copy", "same");
                                                           t.symlink("copy", "second");
                                                       },
                                                       Sameness::identical},
                                           CompareCase{"FIFO",
                                                       [](TempTree& t) {
                                                           t.fifo("first");
                                                           t.fifo("second");
                                                       },
                                                       Sameness::unreadable},
                                           CompareCase{"links to /dev/zero",
                                                       [](TempTree& t) {
                                                           t.symlink("/dev/zero", "first");
                                                           t.symlink("/dev/zero", "second");
                                                       },
                                                       Sameness::unreadable},
                                           CompareCase{"folders",
                                                       [](TempTree& t) {
                                                           t.folder("first");
                                                           t.folder("second");
                                                       },
                                                       Sameness::unreadable},
                                           CompareCase{"missing",
                                                       [](TempTree& t) { t.file("first", ""); },
                                                       Sameness::unreadable},
                                           CompareCase{"dangling link",
                                                       [](TempTree& t) {
                                                           t.file("first", "");
                                                           t.symlink("nowhere", "second");
                                                       },
                                                       Sameness::unreadable}));

} // namespace
} // namespace twinpics
