// The note as PDF: the filled note of a row and of a contour, read back with poppler's tools, and
// a write that fails.
#include "report/NotePdf.h"
#include "calc/ElectrodeStage.h"
#include "note/ReportRows.h"
#include "report/EngineFailure.h"
#include "report/ReportFlow.h"
#include "report/RtfDocument.h"
#include "report/RtfNoteReader.h"
#include "tests/report/FilledNote.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WorkedDesign.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using reporttest::contourExample;
using reporttest::filledNote;
using reporttest::kTemplate;
using reporttest::readAll;

const NumberText kComma(QChar(','));

// What a poppler tool prints for the file.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString withoutBlanks(QString s) {
    return s.remove(QRegularExpression(QStringLiteral("\\s+")));
}

// The rows of the 38 values and the verdict, in the order of the note.
std::vector<ReportRow> valuesInNoteOrder(const DesignState& s) {
    const std::vector<ReportRow> all = reportRows(s, kComma);
    std::vector<ReportRow> rows(all.begin(), all.begin() + 38);
    for (const ReportRow& row : all)
        if (row.key == QLatin1String("##resh&"))
            rows.push_back(row);
    const QString text = RtfDocument(readAll(kTemplate)).text();
    std::sort(rows.begin(), rows.end(), [&](const ReportRow& a, const ReportRow& b) {
        return text.indexOf(a.key) < text.indexOf(b.key);
    });
    return rows;
}

// The value of the "emb" column of every font pdffonts lists.
QStringList embeddedColumn(const QString& listing) {
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return {};
    // The second line underlines the columns: name, type, encoding, emb, ...
    const QRegularExpression columns(QStringLiteral("-+"));
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    for (auto it = columns.globalMatch(lines[1]); it.hasNext();) {
        const auto m = it.next();
        spans.emplace_back(m.capturedStart(), m.capturedLength());
    }
    if (spans.size() < 4)
        return {};
    QStringList emb;
    for (qsizetype i = 2; i < lines.size(); ++i)
        emb << lines[i].mid(spans[3].first, spans[3].second).trimmed();
    return emb;
}

struct Design {
    const char* name;
    DesignState (*make)();
};

void PrintTo(const Design& d, std::ostream* os) {
    *os << d.name;
}

class NotePdfOfDesign : public testing::TestWithParam<Design> {};

TEST_P(NotePdfOfDesign, SaysEveryValueInOrderInEmbeddedFontsOnA4) {
    const DesignState state = GetParam().make();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("Отчёт.pdf"));
    const QByteArray note = filledNote(state);
    // The document printed holds the very text of the note.
    QString noteText = RtfDocument(note).text();
    while (noteText.endsWith(u'\n'))
        noteText.chop(1);
    EXPECT_EQ(RtfNoteReader::read(note)->toRawText().replace(QChar::ParagraphSeparator, u'\n'),
              noteText);
    NotePdf(note).save(pdf);

    const QString text = withoutBlanks(poppler(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    qsizetype from = 0;
    for (const ReportRow& row : valuesInNoteOrder(state)) {
        const qsizetype at = text.indexOf(withoutBlanks(row.text), from);
        ASSERT_GE(at, 0) << row.key.toStdString() << " = " << row.text.toStdString()
                         << " is not found after " << text.mid(from - 40, 40).toStdString();
        from = at + withoutBlanks(row.text).size();
    }

    const QStringList embedded = embeddedColumn(poppler(QStringLiteral("pdffonts"), {pdf}));
    ASSERT_FALSE(embedded.isEmpty());
    EXPECT_EQ(embedded.count(QStringLiteral("yes")), embedded.size())
        << embedded.join(' ').toStdString();

    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+") + kNotePdfTitle)));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Корвела v\\d"))));
}

INSTANTIATE_TEST_SUITE_P(RowAndContour, NotePdfOfDesign,
                         testing::Values(Design{"row", [] { return reporttest::workedExample(); }},
                                         Design{"contour", contourExample}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that cannot be written: which file and why, and nothing left in the folder.
// The page of the PDF on which text first stands, from 1; 0 when it is on none.
int pageOf(const QString& pdf, const QString& text, int pages) {
    for (int page = 1; page <= pages; ++page) {
        const QString n = QString::number(page);
        if (poppler(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")})
                .contains(text))
            return page;
    }
    return 0;
}

TEST(NotePdf, ABillThatFitsUnderTheSchemeStaysOnItsPage) {
    struct Case {
        const char* name;
        DesignState (*make)();
    };
    for (const Case& c : {Case{"row", [] { return reporttest::workedExample(); }},
                          Case{"contour", contourExample}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
        RecordingSink sink;
        exportReportPdf(c.make(), kComma, kTemplate, pdf, sink);
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                                  .match(poppler(QStringLiteral("pdfinfo"), {pdf}));
        ASSERT_TRUE(pages.hasMatch());
        const int count = pages.captured(1).toInt();
        // The scheme and the bill under it, with the bill's heading beside its table.
        const int scheme = pageOf(pdf, QStringLiteral("4. Схема заземляющего устройства"), count);
        ASSERT_GT(scheme, 0);
        EXPECT_EQ(pageOf(pdf, QStringLiteral("5. Ведомость материалов"), count), scheme);
        EXPECT_EQ(pageOf(pdf, QStringLiteral("Итого масса"), count), scheme);
        EXPECT_LE(count, scheme + 1); // the equipment schedule may follow on the next page
    }
}

// The equipment schedule's narrow columns: no word of a heading or a cell is broken across lines
// (each stands whole in the page's text), also for the quantity of a strip of 1 km.
// 116 angles along a contour on soil of 500 Ом·м: the schedule falls at the foot of a page.
DesignState largeContour() {
    worked::Design d = worked::rowOfAngles();
    d.state.UpperResistivity = d.state.LowerResistivity = 500;
    d.state.ElectrodeArrangement = ElectrodeArrangement::Contour;
    d.in.utilizationHorizontal = QStringLiteral("0,3");
    d.in.utilizationVertical = QStringLiteral("0,4");
    runElectrodeStage(d.in, kComma, d.state);
    return d.state;
}

// Every word of the schedule whole, and the schedule, which fits on a page, on one page.
TEST(NotePdf, EquipmentScheduleBreaksNoWord) {
    struct Case {
        const char* name;
        DesignState (*make)();
    };
    const auto longRow = [] {
        DesignState s = reporttest::workedExample();
        s.RefinedCount = 201;
        s.RefinedHorizontalLength = 1000;
        return s;
    };
    for (const Case& c :
         {Case{"row", [] { return reporttest::workedExample(); }}, Case{"contour", contourExample},
          Case{"1 km", longRow}, Case{"116 along a contour", largeContour}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
        RecordingSink sink;
        const DesignState state = c.make();
        exportReportPdf(state, kComma, kTemplate, pdf, sink);
        const QString text = poppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const qsizetype from = text.indexOf(QStringLiteral("6. Спецификация"));
        ASSERT_GE(from, 0);
        const QStringList page = text.mid(from).split(QRegularExpression(QStringLiteral("\\s+")));
        const ReportTable table = equipmentScheduleTable(billOfMaterials(state, {}), kComma);
        QStringList cells;
        for (const ReportColumn& column : table.columns)
            cells << column.title;
        for (const QStringList& row : table.rows)
            cells << row;
        for (const QString& cell : cells)
            for (const QString& word : cell.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_TRUE(page.contains(word)) << word.toStdString();
        const qsizetype total = text.indexOf(QStringLiteral("Итого масса стали"), from);
        ASSERT_GT(total, from);
        EXPECT_FALSE(text.mid(from, total - from).contains(u'\f'));
    }
}

TEST(NotePdf, FailedWriteSaysWhichFileAndWhyAndLeavesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("файл")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка.pdf")));
    struct Case {
        QString file;
        QString reason;
    };
    const Case cases[] = {
        // The folder is a file: the temporary file cannot be made.
        {dir.filePath(QStringLiteral("файл/Отчёт.pdf")), QStringLiteral("Not a directory")},
        // The name is a folder's: the complete file cannot take its place.
        {dir.filePath(QStringLiteral("папка.pdf")), {}},
    };
    const NotePdf note(filledNote(reporttest::workedExample()));
    for (const Case& c : cases) {
        try {
            note.save(c.file);
            ADD_FAILURE() << "written: " << c.file.toStdString();
        } catch (const EngineFailure& e) {
            EXPECT_EQ(e.kind(), EngineFailure::Kind::NotWritten);
            EXPECT_EQ(e.file(), c.file);
            EXPECT_FALSE(e.reason().isEmpty());
            if (!c.reason.isEmpty()) {
                EXPECT_EQ(e.reason(), c.reason);
            }
        }
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{QStringLiteral("папка.pdf"), QStringLiteral("файл")}));
        EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("папка.pdf"))).isEmpty());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
