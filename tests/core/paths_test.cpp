#include "paths.h"

#include <gtest/gtest.h>

namespace twinpics {
namespace {

struct JoinCase {
    const char* root;
    const char* relative;
    const char* joined;
};

class JoinPath : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPath, PutsExactlyOneSeparatorBetween) {
    EXPECT_EQ(joinPath(GetParam().root, GetParam().relative), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Roots, JoinPath,
                         ::testing::Values(JoinCase{"/photos", "a/b.jpg", "/photos/a/b.jpg"},
                                           JoinCase{"/photos/", "b.jpg", "/photos/b.jpg"},
                                           JoinCase{"/photos//", "b.jpg", "/photos/b.jpg"},
                                           JoinCase{"/", "b.jpg", "/b.jpg"},
                                           JoinCase{"relative", "b.jpg", "relative/b.jpg"}));

struct ExtensionCase {
    const char* path;
    const char* extension;
};

void PrintTo(const ExtensionCase& c, std::ostream* out) {
    *out << '"' << c.path << '"';
}

class PathExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(PathExtension, IsTheTextAfterTheLastDotOfTheLastComponent) {
    EXPECT_EQ(pathExtension(GetParam().path), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(Names, PathExtension,
                         ::testing::Values(ExtensionCase{"a/b/photo.jpg", "jpg"},
                                           ExtensionCase{"photo.jpg.bak", "bak"},
                                           ExtensionCase{"archive.tar.jpg", "jpg"},
                                           ExtensionCase{"photo.", ""}, ExtensionCase{"photo", ""},
                                           ExtensionCase{"shots.jpg/readme", ""},
                                           ExtensionCase{"dir/.jpg", ""}, ExtensionCase{"", ""}));

} // namespace
} // namespace twinpics
