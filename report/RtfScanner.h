// The tokens of RTF, read from bytes: the one reading of its syntax that the note's editor and its
// reader share. What a token means (groups, destinations, fallback characters) is left to them.
#pragma once

#include <QtGlobal>
#include <string_view>

namespace rtf {

struct Token {
    enum class Kind {
        GroupOpen,  // {
        GroupClose, // }
        Word,       // \letters with an optional parameter
        Symbol,     // \ and one character other than a letter or '
        HexByte,    // \'hh: only the hexadecimal digits that follow belong to it
        Byte,       // any other byte of the document, line ends included
        Binary,     // \binN and the N bytes of data after it
    };

    Kind kind = Kind::Byte;
    qsizetype begin = 0; // the first byte
    qsizetype end = 0;   // after the last byte (the blank ending a word, the data of \bin)
    // Word and Binary: the letters (at most 32), the parameter (at most 10 digits), and whether
    // something other than a blank ended the word.
    std::string_view word;
    bool hasParameter = false;
    long parameter = 0;
    bool bare = false;
    // Symbol: the character after the backslash; Byte: the byte itself.
    char character = 0;
    // HexByte: the byte, -1 when fewer than two hexadecimal digits follow.
    int byte = -1;
    // Binary: the data, shorter than the parameter where the document ends first.
    std::string_view data;
};

class Scanner {
public:
    // Reads rtf from byte offset from; rtf must outlive the scanner.
    explicit Scanner(std::string_view rtf, qsizetype from = 0);

    // The next token; false at the end of the document (a lone backslash at its end included).
    bool next(Token& token);

private:
    std::string_view m_rtf;
    qsizetype m_position;
};

} // namespace rtf
