#pragma once

#include <string>
#include <string_view>

// How twinpics-walk writes a path on one line: every byte that could break the line, hide
// in a terminal or not be text is spelled out, so each line names exactly one pair and the
// bytes of each name can be read back from it.
namespace twinpics::walk {

// The bytes of path with a backslash written as \\, a tab as \t, a newline as \n, and each
// byte of any other control character (C0, DEL, and the C1 controls U+0080 to U+009F) or of
// anything that is not valid UTF-8 (stray continuation bytes, overlong forms, surrogates,
// code points past U+10FFFF, cut-off sequences) as \xNN with two lowercase hex digits.
// Valid UTF-8 text otherwise stays as it is.
std::string escapePath(std::string_view path);

// The line for one pair: both paths escaped, a tab between them, a newline at the end.
std::string pairLine(std::string_view left, std::string_view right);

} // namespace twinpics::walk
