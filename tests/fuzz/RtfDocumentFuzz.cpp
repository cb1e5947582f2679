// Fuzzes the built-in RTF engine's document: any bytes are parsed, and a replacement of a piece
// of the visible text from a byte offset on must change one occurrence of it in the text and no
// byte before that offset.
#include "report/RtfDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    // The first three bytes choose the key within the visible text, the value and the offset the
    // search starts from (the start of the document for one input in four).
    const unsigned start = data[0], length = 1 + data[1] % 8, offset = data[2];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3),
                           static_cast<qsizetype>(size - 3));
    static const QString values[] = {QString(), QStringLiteral("60,0"), QStringLiteral("Ом*м"),
                                     QStringLiteral("{\\}"), QStringLiteral("заземлителей")};
    const QString& value = values[start % 5];

    RtfDocument doc(bytes);
    const QString text = doc.text();
    if (text.isEmpty())
        return 0;
    const QString key = text.mid(start % text.size(), length);
    const qsizetype from = offset % 4 == 0 ? 0 : bytes.size() * offset / 256;
    const qsizetype end = doc.replaceFirst(key, value, from);
    if (end < 0) {
        check(from > 0 && doc.bytes() == bytes && doc.text() == text);
        return 0;
    }
    check(end >= from && end <= doc.bytes().size());
    check(doc.bytes().left(from) == bytes.left(from));
    // The text the document reads from its new bytes (the replacement read them to check
    // itself) is the old one with one occurrence of the key, at some position at, in place of
    // the value: the same before at and after it.
    const QString now = doc.text();
    check(now.size() == text.size() - key.size() + value.size());
    // It read again only from shortly before the key: what it holds is what a document made of
    // its bytes reads (checked for one input in four, to keep the run fast).
    if (offset % 4 == 1)
        check(RtfDocument(doc.bytes()).text() == now);
    const auto same = qsizetype(
        std::mismatch(text.begin(), text.end(), now.begin(), now.end()).first - text.begin());
    const auto sameAtEnd = qsizetype(
        std::mismatch(text.rbegin(), text.rend(), now.rbegin(), now.rend()).first - text.rbegin());
    bool replaced = false;
    for (qsizetype at = std::max<qsizetype>(0, text.size() - key.size() - sameAtEnd);
         at <= same && !replaced; ++at)
        replaced = QStringView(text).mid(at, key.size()) == key &&
                   QStringView(now).mid(at, value.size()) == value;
    check(replaced);
    return 0;
}
