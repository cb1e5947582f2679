// The reader of the filled note: the text, looks, pictures and tables of small RTF documents.
#include "report/RtfNoteReader.h"

#include "report/NotePdf.h"
#include "tests/support/QtPrinters.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The characters as read (no blank for a non-breaking space), one line per paragraph.
QString textOf(const QByteArray& rtf) {
    return RtfNoteReader::read(rtf)->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

TEST(RtfNoteReader, TextLeavesOutMarkupAndWhatIsNotShown) {
    struct Case {
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi\ansicpg1251 {\fonttbl{\f0 Times;}}\f0\fs24 A\par B\par})", "A\nB"},
        {R"({\rtf1 x{\*\bkmkstart m}y{\*\unknown ##k}z\par})", "xyz"},
        {R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}a\tab b\~c\line d})",
         "a\tb\u00A0c\u2028d"},
        {R"({\rtf1\ansi\ansicpg1251 \'d8\u1080?\'e8\par})", "Шии"},
        {R"({\rtf1\uc2 \u1064??x\uc0\u1080 y\par})", "Шxиy"},
        {R"({\rtf1 \\\{\}\par})", "\\{}"},
        {R"({\rtf1 {\field{\*\fldinst PAGE }{\fldrslt 7}}\par})", "7"},
        {R"({\rtf1 a\bin3 }}}b\par})", "ab"},
        // The code page of the font, for Greek.
        {R"({\rtf1\ansi{\fonttbl{\f1\fcharset161 Greek;}}\f1 \'f1\'e7\par})", "ρη"},
        // What the structure of a text document would take for its own: no character.
        {R"({\rtf1 a\u-560?b\u1?c\par})", "a\uFFFDbc"},
        // Damaged: cut short, unbalanced, escapes without their characters.
        {R"({\rtf1 a\par b)", "a\nb"},
        {R"(}}{\rtf1 a\'z\u}}}}\)", "az"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textOf(c.rtf), c.text) << c.rtf.constData();
}

TEST(RtfNoteReader, ParagraphsAndCharactersLookAsTheNoteSays) {
    const auto doc = RtfNoteReader::read(
        R"({\rtf1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}}\f0\fs24)"
        R"(\pard\qc\sa120\keepn{\f1\fs32\b T\par})"
        R"(\pard\qj\fi567 n{\i H}{\sub 1}{\super 2}\par)"
        R"(\pard\tqr\tldot\tx9355 a\tab b\par})");
    const qreal px = RtfNoteReader::pixelsPerInch() / 1440.0; // per twip

    const QTextBlock title = doc->begin();
    EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(title.blockFormat().bottomMargin(), 120 * px);
    EXPECT_TRUE(title.blockFormat().boolProperty(RtfNoteReader::KeepWithNext));
    const QTextBlock body = title.next();
    EXPECT_EQ(body.blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(body.blockFormat().textIndent(), 567 * px);
    const QTextBlock list = body.next();
    ASSERT_EQ(list.blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(list.blockFormat().tabPositions()[0].type, QTextOption::RightTab);
    EXPECT_DOUBLE_EQ(list.blockFormat().tabPositions()[0].position, 9355 * px);
    EXPECT_TRUE(list.blockFormat().boolProperty(RtfNoteReader::DotLeader));

    struct Look {
        QString text;
        bool bold, italic;
        QTextCharFormat::VerticalAlignment vertical;
        qreal points;
        QString family;
    };
    const Look looks[] = {
        {"T", true, false, QTextCharFormat::AlignNormal, 16, "Arial"},
        {"n", false, false, QTextCharFormat::AlignNormal, 12, "Times New Roman"},
        {"H", false, true, QTextCharFormat::AlignNormal, 12, "Times New Roman"},
        {"1", false, false, QTextCharFormat::AlignSubScript, 12, "Times New Roman"},
        {"2", false, false, QTextCharFormat::AlignSuperScript, 12, "Times New Roman"},
    };
    for (const Look& l : looks) {
        const QTextCursor at = doc->find(l.text, 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(at.isNull()) << l.text.toStdString();
        const QTextCharFormat f = at.charFormat();
        EXPECT_EQ(f.fontWeight() == QFont::Bold, l.bold) << l.text.toStdString();
        EXPECT_EQ(f.fontItalic(), l.italic) << l.text.toStdString();
        EXPECT_EQ(f.verticalAlignment(), l.vertical) << l.text.toStdString();
        EXPECT_EQ(f.fontPointSize(), l.points) << l.text.toStdString();
        EXPECT_EQ(f.fontFamilies().toStringList().value(0), l.family) << l.text.toStdString();
    }
}

TEST(RtfNoteReader, ReadsPngPicturesAndTables) {
    QImage red(3, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QBuffer png;
    ASSERT_TRUE(png.open(QIODevice::WriteOnly) && red.save(&png, "PNG"));
    const QByteArray rtf =
        R"({\rtf1 before{\*\shppict{\pict\pngblip\picw3\pich2\picwgoal1440\pichgoal720 )" +
        png.data().toHex() + R"(}}{\nonshppict{\pict\wmetafile8 0102}}\par)" +
        R"(\trowd\cellx2000\cellx4000\intbl A\cell B\cell\row\intbl C\cell D\cell\row)" +
        R"(\pard after\par})";
    const auto doc = RtfNoteReader::read(rtf);
    const qreal dpi = RtfNoteReader::pixelsPerInch();

    int pictures = 0;
    QTextTable* table = nullptr;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            ++pictures;
            EXPECT_DOUBLE_EQ(image.width(), dpi);
            EXPECT_DOUBLE_EQ(image.height(), dpi / 2);
            const QImage stored =
                doc->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            EXPECT_EQ(stored.size(), red.size());
            EXPECT_EQ(stored.pixelColor(1, 1), QColor(Qt::red));
        }
        if (!table)
            table = QTextCursor(b).currentTable();
    }
    EXPECT_EQ(pictures, 1);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    QStringList cells;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            cells << table->cellAt(r, c).firstCursorPosition().block().text();
    EXPECT_EQ(cells, (QStringList{"A", "B", "C", "D"}));
    EXPECT_TRUE(doc->toPlainText().startsWith(QStringLiteral("before")));
    EXPECT_TRUE(doc->toPlainText().endsWith(QStringLiteral("after")));
    EXPECT_EQ(QTextCursor(doc->lastBlock()).currentTable(), nullptr);

    // The picture comes along into the PDF.
    QBuffer pdf;
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    NotePdf(*doc).write(pdf);
    EXPECT_EQ(pdf.data().count("/Subtype /Image"), 1);
}

} // namespace
