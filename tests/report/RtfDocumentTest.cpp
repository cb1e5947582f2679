// The RTF document: visible text through groups and control words, replacement in place.
#include "report/RtfDocument.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString visible(const QByteArray& rtf) {
    return RtfDocument(rtf).text();
}

TEST(RtfDocument, VisibleTextLeavesOutMarkupAndHiddenDestinations) {
    struct Case {
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi\ansicpg1251 {\fonttbl{\f0 Times ##ro1;}}\f0\fs24 A\par B})", "A\nB"},
        {R"({\rtf1 x{\*\bkmkstart m}y{\*\unknown ##k}z})", "xyz"},
        {R"({\rtf1{\info{\title ##t}}a\tab b\~c})", "a\tb\u00A0c"},
        {R"({\rtf1\ansi\ansicpg1251 \'d8\'e8\u1088?\u1080\'e8})", "Шири"},
        {R"({\rtf1\uc2 \u1064??x\uc0\u1080 y})", "Шxиy"},
        {R"({\rtf1 \\\{\}})", "\\{}"},
        {"{\\rtf1 a\r\nb\\\nc}", "ab\nc"},
        {R"({\rtf1 {\field{\*\fldinst PAGE }{\fldrslt 7}}})", "7"},
        {R"({\rtf1 a\bin3 }}}b})", "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(visible(c.rtf), c.text) << c.rtf.constData();
}

struct Replacement {
    QByteArray rtf;
    QString key;
    QString value;
    QByteArray after; // the whole document afterwards
    QString text;     // its visible text
};

TEST(RtfDocument, ReplacesTheKeyWhereverMarkupSplitsIt) {
    const Replacement cases[] = {
        // Plain.
        {R"({\rtf1 R = ##r1v& Ohm})", "##r1v&", "15,8", R"({\rtf1 R = 15,8 Ohm})", "R = 15,8 Ohm"},
        // Split by a group: the group stays, emptied of the key's letters.
        {R"({\rtf1 ##r{\b o}1 end})", "##ro1", "40", R"({\rtf1 40{\b } end})", "40 end"},
        // Split by control words.
        {R"({\rtf1 ##r\i o\i0 1.})", "##ro1", "40", R"({\rtf1 40\i \i0 .})", "40."},
        // A hidden bookmark inside the key stays where it was.
        {R"({\rtf1 ##r{\*\bkmkstart m}o1})", "##ro1", "7", R"({\rtf1 7{\*\bkmkstart m}})", "7"},
        // A control word ended by the key itself gets its blank, so digits do not join it.
        {R"({\rtf1\b##k\b0 x})", "##k", "5", R"({\rtf1\b 5\b0 x})", "5x"},
        {R"({\rtf1\b##k\b0#x})", "##k", "", R"({\rtf1\b \b0#x})", "#x"},
        // The same after \bin0, whose data is empty: the digit after the key stays apart.
        {R"(a\bin0@2b)", "a@", "", R"(\bin0 2b)", "2b"},
        // Markup characters of the value are escaped.
        {R"({\rtf1 ##k})", "##k", "{a\\b}", R"({\rtf1 \{a\\b\}})", "{a\\b}"},
        // The key written with escapes is found too.
        {R"({\rtf1 \'23\u35?k!})", "##k", "1", R"({\rtf1 1!})", "1!"},
        // An escape without its blank that goes with the key leaves no blank behind.
        {R"({\rtf1\uc0 \u1040ip}z})", "\u0410ip", "60,0", R"({\rtf1\uc0 60,0}z})", "60,0z"},
        // A value that would run into a damaged control word before it gets a group of its own.
        {R"({\rtf1 \u-%x})", "%", "60", R"({\rtf1 \u-{60}x})", "-60x"},
        // An escape short of its digits stays short of them: hexadecimal digits of the value
        // do not complete it.
        {R"({\rtf1 \'4z})", "z", "60", R"({\rtf1 \'4{}60})", "60"},
        // A fallback written as a control word keeps its end when the text after it goes.
        {R"({\rtf1 \u1040\u1041ab})", "a", "60", R"({\rtf1 \u1040\u1041 60b})", "\u041060b"},
    };
    for (const Replacement& c : cases) {
        SCOPED_TRACE(c.rtf.constData());
        RtfDocument doc(c.rtf);
        const qsizetype after = doc.replaceFirst(c.key, c.value, 0);
        ASSERT_GE(after, 0);
        EXPECT_EQ(doc.bytes(), c.after);
        EXPECT_EQ(doc.text(), c.text);
    }
}

TEST(RtfDocument, CyrillicValuesBecomeUnicodeEscapesWithFallback) {
    struct Case {
        QByteArray rtf;
        QByteArray written;
    };
    const Case cases[] = {
        // One fallback character, in the document's code page.
        {R"({\rtf1\ansi\ansicpg1251 [##k]})", R"(\u1052\'cc\u1084\'ec)"},
        // Western code page: no such letter there, so a question mark.
        {R"({\rtf1\ansi\ansicpg1252 [##k]})", R"(\u1052?\u1084?)"},
        // No fallback: a blank ends each escape.
        {R"({\rtf1\uc0 [##k]})", R"(\u1052 \u1084 )"},
        // Two fallback characters.
        {R"({\rtf1\uc2 [##k]})", R"(\u1052??\u1084??)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf.constData());
        RtfDocument doc(c.rtf);
        ASSERT_GE(doc.replaceFirst(QStringLiteral("##k"), QStringLiteral("Мм"), 0), 0);
        EXPECT_TRUE(doc.bytes().contains("[" + c.written + "]")) << doc.bytes().constData();
        EXPECT_EQ(doc.text(), QStringLiteral("[Мм]"));
    }
}

TEST(RtfDocument, EveryOtherByteStaysAsItWas) {
    const QByteArray head = R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0 Arial;}}\f0 \'c0 {\b )";
    const QByteArray tail = R"(} \u1078?\par ##k again})";
    RtfDocument doc(head + "##k" + tail);
    const qsizetype after = doc.replaceFirst(QStringLiteral("##k"), QStringLiteral("Ширина 60"), 0);
    ASSERT_GT(after, 0);
    EXPECT_TRUE(doc.bytes().startsWith(head));
    EXPECT_TRUE(doc.bytes().endsWith(tail));
    EXPECT_EQ(doc.bytes().mid(after), tail);
    EXPECT_EQ(doc.text(), QStringLiteral("А Ширина 60 ж\n##k again"));
}

TEST(RtfDocument, SearchStartsAtTheGivenOffset) {
    RtfDocument doc(R"({\rtf1 ##k and ##k})");
    const qsizetype first = doc.replaceFirst(QStringLiteral("##k"), QStringLiteral("1"), 0);
    ASSERT_GT(first, 0);
    const qsizetype second = doc.replaceFirst(QStringLiteral("##k"), QStringLiteral("2"), first);
    ASSERT_GT(second, first);
    EXPECT_EQ(doc.text(), QStringLiteral("1 and 2"));
    EXPECT_EQ(doc.replaceFirst(QStringLiteral("##k"), QStringLiteral("3"), 0), -1);
    EXPECT_EQ(doc.replaceFirst(QStringLiteral("and"), QStringLiteral("&"), second), -1);
    EXPECT_EQ(doc.replaceFirst(QString(), QStringLiteral("x"), 0), -1);
}

// A long document is read again only from shortly before each replacement: what it then holds is
// what a document made of its bytes reads, wherever the key stands among the markup.
TEST(RtfDocument, ReadingAgainAfterAReplacementIsReadingAnew) {
    // Keys right after a bare control word, a minus that is no parameter, an escape short of
    // its digits, fallback characters, a hidden destination and a code page set midway.
    const QByteArray pieces[] = {R"(\b##k)",         R"(\fs-##k)",
                                 R"(\'a##k)",        R"({\uc2 \u1078??##k})",
                                 R"({\*\x ##k}##k)", R"(\ansicpg1251 \'c0##k)",
                                 R"({\i ##}k)",      R"(\par ##k\par)"};
    QByteArray rtf = R"({\rtf1\ansi )";
    for (int i = 0; rtf.size() < 12000; ++i)
        rtf += pieces[i % std::size(pieces)] + QByteArray(i % 7 * 40, 'x') + ' ';
    rtf += '}';
    const QString values[] = {QStringLiteral("ab"),   QStringLiteral("7"),  QStringLiteral("-"),
                              QStringLiteral("{\\}"), QStringLiteral("Ом"), QString()};
    RtfDocument doc(rtf);
    qsizetype from = 0;
    for (int i = 0;; ++i) {
        const qsizetype after = doc.replaceFirst(QStringLiteral("##k"), values[i % 6], from);
        if (after < 0)
            break;
        ASSERT_EQ(doc.text(), RtfDocument(doc.bytes()).text()) << "replacement " << i;
        // Every other key from the start, the others from where the last one ended.
        from = i % 2 == 0 ? after : 0;
    }
    EXPECT_FALSE(doc.text().contains(QStringLiteral("##k")));
}

} // namespace
