// Reads the filled note, RTF as the template and the built-in engine write it, into a text
// document that can be laid out and printed.
#pragma once

#include <QByteArray>
#include <QTextFormat>
#include <memory>

class QTextDocument;

// The subset read: paragraphs with alignment, spacing, indents and tab stops; bold, italics,
// underline, subscripts and superscripts, font sizes and the fonts of the font table; \uN and the
// code page escapes (\'hh) of the document's or the font's code page; tables (\trowd … \cell
// … \row); PNG and JPEG pictures (\pict with \pngblip or \jpegblip); the page's paper size and
// margins. Destinations it does not know ({\*\…}, headers, styles, document information) are
// left out, and so is anything it cannot make sense of: any bytes give a document, never an
// exception.
//
// Lengths in the document are pixels at the layout resolution of the running program (what a
// QTextDocument without a paint device measures in), so that they stay in proportion to the
// fonts. The page is the document's page size and its root frame's margins.
class RtfNoteReader {
public:
    // Block properties the reader adds for a writer of pages, which QTextDocument itself ignores.
    enum Property {
        KeepWithNext = QTextFormat::UserProperty + 1, // bool: on the page of the next paragraph
        DotLeader = QTextFormat::UserProperty + 2,    // bool: the tabs are filled with dots
    };

    // Needs a QGuiApplication (fonts).
    static std::unique_ptr<QTextDocument> read(const QByteArray& rtf);

    // The layout resolution of the running program: pixels per inch of the lengths read (asked
    // of the fonts once per process).
    static qreal pixelsPerInch();
};
