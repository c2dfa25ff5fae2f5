#include "path_escape.h"

#include <cstddef>

namespace twinpics::walk {
namespace {

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The length of the valid UTF-8 sequence that starts text (1 to 4), or 0 when its first
// byte does not start one. The bounds are those of RFC 3629: no overlong form, no
// surrogate, nothing past U+10FFFF.
std::size_t sequenceLength(std::string_view text) {
    const unsigned char lead = byteAt(text, 0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // below: overlong
        if (lead == 0xED)
            high = 0x9F; // above: surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // below: overlong
        if (lead == 0xF4)
            high = 0x8F; // above: past U+10FFFF
    } else {
        return 0; // a continuation byte, C0, C1 or F5 to FF
    }
    if (text.size() < length)
        return 0;
    const unsigned char second = byteAt(text, 1);
    if (second < low || second > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        const unsigned char next = byteAt(text, k);
        if (next < 0x80 || next > 0xBF)
            return 0;
    }
    return length;
}

void appendHexByte(std::string& out, unsigned char byte) {
    constexpr std::string_view digits = "0123456789abcdef";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

bool isControl(std::string_view sequence) {
    const unsigned char lead = byteAt(sequence, 0);
    if (sequence.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    // U+0080 to U+009F are C2 80 to C2 9F.
    return sequence.size() == 2 && lead == 0xC2 && byteAt(sequence, 1) <= 0x9F;
}

void appendEscaped(std::string& out, std::string_view path) {
    std::size_t at = 0;
    while (at < path.size()) {
        const std::string_view rest = path.substr(at);
        const std::size_t length = sequenceLength(rest);
        if (length == 0) {
            // Not UTF-8: this byte alone is spelled out and the next one is looked at anew.
            appendHexByte(out, byteAt(rest, 0));
            ++at;
            continue;
        }
        const std::string_view sequence = rest.substr(0, length);
        if (sequence == "\\")
            out += "\\\\";
        else if (sequence == "\t")
            out += "\\t";
        else if (sequence == "\n")
            out += "\\n";
        else if (isControl(sequence))
            for (const char byte : sequence)
                appendHexByte(out, static_cast<unsigned char>(byte));
        else
            out += sequence;
        at += length;
    }
}

} // namespace

std::string escapePath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    appendEscaped(out, path);
    return out;
}

std::string pairLine(std::string_view left, std::string_view right) {
    std::string line;
    line.reserve(left.size() + right.size() + 2);
    appendEscaped(line, left);
    line += '\t';
    appendEscaped(line, right);
    line += '\n';
    return line;
}

} // namespace twinpics::walk
