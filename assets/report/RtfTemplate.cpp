// Makes the report template from its readable source: RTF written in UTF-8 becomes plain-ASCII
// RTF, every character beyond ASCII as \uN with a Windows-1251 fallback.
#include "report/RtfDocument.h"

#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rtf_template <source.rtf.in> <template.rtf>\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "rtf_template: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString source = QString::fromUtf8(in.readAll());
    QByteArray rtf;
    for (const QChar ch : source) {
        if (ch.unicode() < 0x80)
            rtf += char(ch.unicode());
        else
            rtf += RtfDocument::unicodeEscape(ch.unicode(), 1, "windows-1251");
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "rtf_template: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
