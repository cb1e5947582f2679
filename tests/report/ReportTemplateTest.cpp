// The report template the build puts beside the program, and a whole report with the RTF engine.
#include "calc/InstallationCheck.h"
#include "note/NoteScheme.h"
#include "note/ReportRows.h"
#include "report/CursorReportEngine.h"
#include "report/ReportFlow.h"
#include "report/ReportSession.h"
#include "report/RtfDocument.h"
#include "report/RtfEngine.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using reporttest::kTemplate;
using reporttest::NoProgress;
using reporttest::readAll;

// What a reader sees of a row put in place: its text; a table's cells, each ended by a tab, each
// row by a line end; nothing of a picture.
QString visibleText(const ReportRow& row) {
    if (row.picture)
        return {};
    if (!row.table)
        return row.text;
    QString text;
    for (const ReportColumn& column : row.table->columns)
        text += column.title + QLatin1Char('\t');
    text += QLatin1Char('\n');
    for (const QStringList& cells : row.table->rows)
        text += cells.join(QLatin1Char('\t')) + QStringLiteral("\t\n");
    return text;
}

// The pictures of an RTF document: the bytes of each \pngblip picture.
QList<QByteArray> pngPictures(const QByteArray& rtf) {
    QList<QByteArray> pictures;
    for (qsizetype at = rtf.indexOf("\\pngblip"); at >= 0; at = rtf.indexOf("\\pngblip", at + 1)) {
        const qsizetype start = rtf.indexOf('\n', at);
        const qsizetype end = rtf.indexOf('}', at);
        pictures << QByteArray::fromHex(rtf.mid(start, end - start));
    }
    return pictures;
}

TEST(ReportTemplate, HoldsEachKeyExactlyOnceAndNoOtherMark) {
    const QByteArray bytes = readAll(kTemplate);
    ASSERT_TRUE(bytes.startsWith("{\\rtf1")) << kTemplate.toStdString();
    const QString text = RtfDocument(bytes).text();
    DesignState any = reporttest::workedExample(ElectrodeMaterial::Angle);
    qsizetype marks = 0;
    for (const ReportRow& row : reportRows(any, NumberText(QChar(',')))) {
        EXPECT_EQ(text.count(row.key), 1) << row.key.toStdString();
        marks += row.key.count(QLatin1Char('#'));
    }
    // Every "#" of the document belongs to one of the keys.
    EXPECT_EQ(text.count(QLatin1Char('#')), marks);
    // A real report: title, data, calculation, decision.
    for (const char* heading :
         {"РАСЧЁТ ЗАЩИТНОГО ЗАЗЕМЛЕНИЯ", "Исходные данные", "Расчёт", "Результаты и решение",
          "Схема заземляющего устройства", "Ведомость материалов"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
    // Plain ASCII, as RTF is meant to be.
    for (const char c : bytes)
        ASSERT_GE(static_cast<signed char>(c), 0);
}

TEST(ReportTemplate, TableSoilsLeaveNoBlankLineWhereTheMeasuredSoilWouldStand) {
    struct Case {
        const char* name;
        bool measured;
    };
    for (const Case& c : {Case{"table soils", false}, Case{"measured soil", true}}) {
        SCOPED_TRACE(c.name);
        DesignState state = reporttest::workedExample();
        if (c.measured)
            state.MeasuredSoilUsed =
                MeasuredSoil{SoilModel::Uniform, 120, 120, 0, 1.5, {{1, 10}, {4, 2.5}}};
        auto rtf = std::make_unique<RtfEngine>();
        const RtfEngine& document = *rtf;
        CursorReportEngine engine(std::move(rtf));
        NoProgress progress;
        engine.start();
        const QStringList notFound =
            engine.fill(kTemplate, reportRows(state, NumberText(QChar(','))), progress);
        EXPECT_TRUE(notFound.isEmpty()) << notFound.join(' ').toStdString();

        // From the last line of the soil's paragraphs to the heading after them.
        const QString text = document.document().text();
        const qsizetype from =
            text.indexOf(QStringLiteral("Коэффициент использования соединительной"));
        const qsizetype to = text.indexOf(QStringLiteral("2. Расчёт"));
        ASSERT_GE(from, 0);
        ASSERT_GT(to, from);
        const QStringList lines = text.mid(from, to - from).split(QLatin1Char('\n'));
        // The last line before the heading, then the measured soil's text and table, if any.
        if (c.measured)
            EXPECT_TRUE(lines.join('\n').contains(QStringLiteral("методом Веннера")));
        else
            EXPECT_EQ(lines.size(), 2) << lines.join('|').toStdString();
    }
}

// The note's head and signature lines for the project data given, written safely into the RTF.
TEST(ReportTemplate, ProjectDataNameTheObjectAtTheHeadAndSignTheEnd) {
    const QString longName = QStringLiteral("{ООО \\\"Пр}").repeated(1000); // 10 000 characters
    struct Case {
        const char* name;
        ProjectData project;
        QString head;  // the text before the title
        QString place; // the lines of the object and the date
        QString end;   // the text after the equipment schedule's table
    };
    ProjectData full;
    full.object = QStringLiteral("Котельная {№ 2}");
    full.documentCode = QStringLiteral("123-ЭС");
    full.organisation = QStringLiteral("ООО \\ «Энерго»");
    full.developer = QStringLiteral("Иванов И. И.");
    full.date = QStringLiteral("01.02.2026");
    ProjectData organisationOnly;
    organisationOnly.organisation = longName;
    const QString blank = QStringLiteral("____________________");
    const QString unnamed = QStringLiteral("Объект:\t") + QString(51, u'_') +
                            QStringLiteral("\nДата:\t") + blank + '\n';
    const Case cases[] = {
        {"none", {}, {}, unnamed, QStringLiteral("Расчёт выполнил:\t") + blank + '\n'},
        {"full", full,
         QStringLiteral("Обозначение документа: 123-ЭС\nОрганизация: ООО \\ «Энерго»\n"),
         QStringLiteral("Объект:\tКотельная {№ 2}\nДата:\t01.02.2026\n"),
         QStringLiteral("Разработал\tИванов И. И.\t") + blank + QStringLiteral("\t01.02.2026\n") +
             QStringLiteral("Проверил\t") + blank + QLatin1Char('\t') + blank +
             QStringLiteral("\t01.02.2026\n")},
        {"a long organisation", organisationOnly, QStringLiteral("Организация: ") + longName + '\n',
         unnamed,
         QStringLiteral("Разработал\t") + blank + '\t' + blank + '\t' + blank + '\n' +
             QStringLiteral("Проверил\t") + blank + '\t' + blank + '\t' + blank + '\n'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto rtf = std::make_unique<RtfEngine>();
        const RtfEngine& document = *rtf;
        CursorReportEngine engine(std::move(rtf));
        NoProgress progress;
        engine.start();
        const NumberText numbers(QChar(','));
        EXPECT_TRUE(engine
                        .fill(kTemplate,
                              reportRows(reporttest::workedExample(), numbers, {}, {}, c.project),
                              progress)
                        .isEmpty());
        const QByteArray& bytes = document.document().bytes();
        for (const char ch : bytes)
            ASSERT_GE(static_cast<signed char>(ch), 0);
        const QString text = document.document().text();
        const qsizetype title = text.indexOf(QStringLiteral("РАСЧЁТ ЗАЩИТНОГО ЗАЗЕМЛЕНИЯ"));
        ASSERT_GE(title, 0);
        EXPECT_EQ(text.left(title), c.head);
        EXPECT_TRUE(text.contains(c.place)) << text.toStdString();
        EXPECT_TRUE(text.endsWith(c.end)) << text.right(400).toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Расчёт выполнил")), c.project.isEmpty());
    }
}

// The built-in engine's report, made once: whether it completed, and the filled document.
struct BuiltInRun {
    RecordingSink sink;
    bool completed = false;
    QByteArray rtf;
    QString text; // its visible text
};

BuiltInRun builtInReport(const DesignState& state) {
    BuiltInRun run;
    const RtfEngine* made = nullptr;
    ReportSession session({CursorReportEngine::record(QStringLiteral("RTF"), nullptr, [&] {
        auto engine = std::make_unique<RtfEngine>();
        made = engine.get();
        return engine;
    })});
    NoProgress progress;
    run.completed = guarded(run.sink, [&] {
        makeReport(session, state, NumberText(QChar(',')), kTemplate, progress, run.sink);
    });
    if (run.completed && made) {
        run.rtf = made->document().bytes();
        run.text = RtfDocument(run.rtf).text();
    }
    return run;
}

TEST(ReportTemplate, WholeReportWithTheRtfEngineFillsEveryValue) {
    const QByteArray hashBefore =
        QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256);
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    const BuiltInRun run = builtInReport(state);
    ASSERT_TRUE(run.completed) << run.sink.errors.join(' ').toStdString();
    EXPECT_TRUE(run.sink.errors.isEmpty());
    EXPECT_TRUE(run.sink.messages.isEmpty()) << run.sink.messages.join(' ').toStdString();

    const QByteArray& written = run.rtf;
    const QString& filled = run.text;
    EXPECT_FALSE(filled.contains(QLatin1Char('#')));
    // The template's text with each key put in its place, one after the other; the bill as a
    // table of its rows.
    QString expected = RtfDocument(readAll(kTemplate)).text();
    for (const ReportRow& row : reportRows(state, numbers)) {
        const qsizetype at = expected.indexOf(row.key);
        ASSERT_GE(at, 0) << row.key.toStdString();
        // An empty place of its own goes with its paragraph's end.
        const QString value = visibleText(row);
        const bool goes = row.ownParagraph && value.isEmpty();
        expected.replace(at, row.key.size() + (goes ? 1 : 0), value);
    }
    EXPECT_EQ(filled, expected);
    EXPECT_TRUE(filled.contains(QStringLiteral(
        "Вертикальные заземлители\tУголок стальной 60×60×5\t2,50\t6\t15,00\t67,71\t\n")));
    // The bill's 5 rows and the equipment schedule's 4.
    EXPECT_EQ(written.count("\\trowd"), 9);
    // The scheme: one PNG inside the document, drawn across the text's width at the note's
    // resolution and shown in its own proportions that wide.
    const QList<QByteArray> pictures = pngPictures(written);
    ASSERT_EQ(pictures.size(), 1);
    const QSize pixels = QImage::fromData(pictures.first(), "PNG").size();
    EXPECT_EQ(pixels.width(), std::lround(std::ceil(kNoteTextWidthMm * kNoteSchemeDotsPerMm)));
    const QRegularExpressionMatch goal =
        QRegularExpression(QStringLiteral(R"(\\picwgoal(\d+)\\pichgoal(\d+))"))
            .match(QString::fromLatin1(written));
    ASSERT_TRUE(goal.hasMatch());
    const double twipsPerMm = 1440 / 25.4;
    EXPECT_NEAR(goal.captured(1).toDouble() / twipsPerMm, kNoteTextWidthMm, 0.1);
    EXPECT_NEAR(goal.captured(2).toDouble() / goal.captured(1).toDouble(),
                double(pixels.height()) / pixels.width(), 1.0 / pixels.width());
    EXPECT_TRUE(
        filled.contains(QStringLiteral("Принимаем к установке 6 вертикальных заземлителей")));
    EXPECT_TRUE(
        filled.contains(QStringLiteral("Ширина полки уголка вертикального заземлителя, b")));
    EXPECT_EQ(QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256), hashBefore);
}

// One electrode without strip, against Rн = 8 Ом: singular words, no "каждый", no strip in the
// decision, and the decision that the requirement is not met.
TEST(ReportTemplate, NoteOfOneElectrodeSaysWhatIsInstalled) {
    DesignState s = reporttest::workedExample();
    s.RefinedCount = 1;
    s.RefinedHorizontalLength = 0;
    s.SingleVerticalResistance = 117.1;
    s.NormalizedResistance = 8;
    s.VerticalAdjectiveForm = QStringLiteral("вертикальный");
    s.ElectrodeNounForm = QStringLiteral("заземлитель");
    checkInstalledSystem(s);
    const BuiltInRun run = builtInReport(s);
    ASSERT_TRUE(run.completed) << run.sink.errors.join(' ').toStdString();
    EXPECT_TRUE(run.text.contains(
        QStringLiteral("Принимаем к установке 1 вертикальный заземлитель длиной 2,5 м.\n")))
        << run.text.toStdString();
    EXPECT_TRUE(run.text.contains(QStringLiteral(
        "(п. 2.10): R = 117,10 Ом > Rн = 8 Ом: требование не выполняется — увеличьте число "
        "электродов или длину полосы.")));
    EXPECT_TRUE(run.text.contains(
        QStringLiteral("Длина соединительной полосы Lг.у = 0 м — полоса не прокладывается.")));
    EXPECT_FALSE(run.text.contains(QStringLiteral("каждый")));
    EXPECT_FALSE(run.text.contains(QStringLiteral("требование выполняется")));
}

} // namespace
