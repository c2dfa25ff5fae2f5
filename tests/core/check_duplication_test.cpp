#include "check_duplication.h"
#include "scan_state.h"

#include <gtest/gtest.h>

namespace twinpics {
namespace {

struct FilterCase {
    const char* path;
    std::int32_t tag;
    bool accepted;
};

void PrintTo(const FilterCase& c, std::ostream* out) {
    *out << '"' << c.path << "\" with tag " << c.tag;
}

class TypeCheck : public ::testing::TestWithParam<FilterCase> {};

TEST_P(TypeCheck, JudgesTheNameAlone) {
    EXPECT_EQ(CheckDuplication().typeCheckArray(GetParam().tag, GetParam().path),
              GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, TypeCheck,
    ::testing::Values(FilterCase{"a/b/photo.jpg", 0, true}, FilterCase{"photo.jpeg", 0, true},
                      FilterCase{"photo.JPG", 0, true}, FilterCase{"photo.JPEG", 0, true},
                      FilterCase{"photo.Jpg", 0, false}, FilterCase{"photo.jpe", 0, false},
                      FilterCase{"photo.jpg.bak", 0, false}, FilterCase{"archive.tar.jpg", 0, true},
                      FilterCase{"shots.jpg", 0, true}, FilterCase{"shots.jpg/readme", 0, false},
                      FilterCase{"photo.", 0, false}, FilterCase{"photo.gif", 0, false},
                      FilterCase{"photo.gif", 1, true}, FilterCase{"photo.GIF", 1, true},
                      FilterCase{"photo.png", 2, true}, FilterCase{"photo.Png", 2, false},
                      FilterCase{"photo.PNG", 2, true}, FilterCase{"photo.tif", 3, false},
                      FilterCase{"photo.tiff", 3, true}, FilterCase{"photo.TIFF", 3, true},
                      FilterCase{"photo.png", 4, false}, FilterCase{"photo.png", -1, false},
                      FilterCase{"/abs/photo.png", 2, true}, FilterCase{"\xff\xfe.png", 2, true},
                      FilterCase{".jpg", 0, false}, FilterCase{"", 0, false}));

TEST(TypeCheck, NeverAcceptsTheTombstone) {
    for (std::int32_t tag = -1; tag <= 4; ++tag)
        EXPECT_FALSE(CheckDuplication().typeCheckArray(tag, tombstone)) << tag;
}

} // namespace
} // namespace twinpics
