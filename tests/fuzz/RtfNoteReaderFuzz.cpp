// Fuzzes the reader of the filled note and the PDF of what it read: any bytes give a document,
// which lays out and prints (a share of the inputs, see below).
#include "report/NotePdf.h"
#include "report/RtfNoteReader.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QPageSize>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}
} // namespace

// Fontconfig keeps what Qt's font database loaded until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto doc = RtfNoteReader::read(rtf);
    // Nothing read becomes the structure of the document (frames, objects) but tables and
    // pictures.
    const QString text = doc->toRawText();
    if (!rtf.contains("\\cell") && !rtf.contains("\\row") && !rtf.contains("\\intbl"))
        check(!text.contains(QChar(0xFDD0)) && !text.contains(QChar(0xFDD1)));
    if (!rtf.contains("pict"))
        check(!text.contains(QChar::ObjectReplacementCharacter));
    // Laying out takes some five times as long as reading, and printing some hundred times as
    // long; both grow Qt's caches of fonts and glyphs, which makes libFuzzer look for a leak
    // after the input. One input in 64 (by a hash of its bytes) is laid out, one in 4096 also
    // printed, when it has a few A4 pages as Qt lays out what was read.
    const std::size_t hash = qHash(rtf);
    if (hash % 64 != 0)
        return 0;
    const NotePdf pdf(*doc);
    if (hash % 4096 != 0)
        return 0;
    doc->setPageSize(QPageSize(QPageSize::A4).sizePixels(int(RtfNoteReader::pixelsPerInch())));
    if (doc->pageCount() <= 4) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        pdf.write(out);
        check(out.data().startsWith("%PDF-"));
    }
    return 0;
}
