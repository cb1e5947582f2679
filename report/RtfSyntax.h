// The pieces of RTF's syntax that the note's editor and its reader share: the characters of
// control words and hexadecimal escapes, the code page's upper half, the characters that control
// words and symbols stand for, and the destinations that hold no text of the document.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <optional>
#include <string_view>

namespace rtf {

// One comparison each: they run for every byte of a document.
inline bool isLetter(char c) {
    return unsigned((c | 0x20) - 'a') < 26u;
}
inline bool isDigit(char c) {
    return unsigned(c - '0') < 10u;
}
// The value of a hexadecimal digit, -1 for another character.
inline int hexValue(char c) {
    static constexpr auto kValues = [] {
        std::array<signed char, 256> values{};
        values.fill(-1);
        for (int i = 0; i < 10; ++i)
            values[std::size_t('0' + i)] = static_cast<signed char>(i);
        for (int i = 0; i < 6; ++i) {
            values[std::size_t('a' + i)] = static_cast<signed char>(10 + i);
            values[std::size_t('A' + i)] = static_cast<signed char>(10 + i);
        }
        return values;
    }();
    return kValues[static_cast<unsigned char>(c)];
}

// The characters 0x80..0xFF of the code page named (e.g. "windows-1251"), U+FFFD for a byte that
// is no character of it; none when no such code page is known.
std::optional<std::array<char16_t, 128>> upperHalf(const QByteArray& codePage);

// The character that a control word stands for (\tab, dashes, quotes, spaces, joiners), 0 for
// none. The ends of paragraphs, lines, cells and rows are left to the caller.
char16_t characterOfWord(std::string_view word);
// The character that a control symbol stands for (\\, \{, \}, \~, \_, \-), 0 for none.
char16_t characterOfSymbol(char symbol);

// A destination whose content is no part of the document's text (tables of fonts and colours,
// headers, fields' instructions, comments, properties); pictures are left to the caller.
bool isHiddenDestination(std::string_view word);

} // namespace rtf
