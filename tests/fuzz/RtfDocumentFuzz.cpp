// Fuzzes the built-in RTF engine's document: any bytes are parsed, and a replacement of a piece
// of the visible text must change exactly that piece and nothing before it.
#include "report/RtfDocument.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    // The first two bytes choose the key within the visible text and the value.
    const unsigned start = data[0], length = 1 + data[1] % 8;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2),
                           static_cast<qsizetype>(size - 2));
    static const QString values[] = {QString(), QStringLiteral("60,0"), QStringLiteral("Ом*м"),
                                     QStringLiteral("{\\}"), QStringLiteral("заземлителей")};
    const QString& value = values[start % 5];

    RtfDocument doc(bytes);
    const QString text = doc.text();
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const qsizetype offset = doc.offsetOf(i);
        check(offset >= 0 && offset <= bytes.size());
    }
    if (text.isEmpty())
        return 0;
    const QString key = text.mid(start % text.size(), length);
    const qsizetype at = text.indexOf(key);
    const qsizetype keyOffset = doc.offsetOf(at);
    const qsizetype end = doc.replaceFirst(key, value, 0);
    check(end >= 0);
    // Nothing before the key changes, and the visible text changes by the key alone: the text
    // the document reads from its new bytes (the replacement read them to check itself).
    check(doc.bytes().left(keyOffset) == bytes.left(keyOffset));
    check(doc.text() == text.left(at) + value + text.mid(at + key.size()));
    return 0;
}
