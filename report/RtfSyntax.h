// The pieces of RTF's syntax that the note's editor and its reader share: the characters of control
// words and hexadecimal escapes, and the destinations that hold no text of the document.
#pragma once

#include <string_view>

namespace rtf {

inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// The value of a hexadecimal digit, -1 for another character.
inline int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A destination whose content is no part of the document's text (tables of fonts and colours,
// headers, fields' instructions, comments, properties); pictures are left to the caller.
bool isHiddenDestination(std::string_view word);

} // namespace rtf
