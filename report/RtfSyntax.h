// The pieces of RTF's syntax that the note's editor and its reader share: control words, the
// characters of hexadecimal escapes, the code page's upper half, the characters that control
// words and symbols stand for, and the destinations that hold no text of the document.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
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

// A control word: its letters (at most 32), its parameter (an optional minus and at most 10
// digits) and where it ends.
struct ControlWord {
    std::string_view name;
    bool hasParameter = false;
    long parameter = 0;
    qsizetype end = 0; // after the blank that ends it, if any
    bool bare = false; // ended by something other than a blank
};

// Reads the control word whose letters start at p of rtf (just after the backslash).
ControlWord readControlWord(std::string_view rtf, qsizetype p);

// The characters 0x80..0xFF of the code page named (e.g. "windows-1251"); U+FFFD for a byte that
// is no character of it, and for all of them when no such code page is known.
std::array<char16_t, 128> upperHalf(const QByteArray& codePage);

// The character that a control word stands for (\tab, dashes, quotes, spaces, joiners), 0 for
// none. The ends of paragraphs, lines, cells and rows are left to the caller.
char16_t characterOfWord(std::string_view word);
// The character that a control symbol stands for (\\, \{, \}, \~, \_, \-), 0 for none.
char16_t characterOfSymbol(char symbol);

// A destination whose content is no part of the document's text (tables of fonts and colours,
// headers, fields' instructions, comments, properties); pictures are left to the caller.
bool isHiddenDestination(std::string_view word);

} // namespace rtf
