// The report template the build puts beside the program, and a whole report with the RTF engine.
#include "report/EngineChoice.h"
#include "report/ReportFlow.h"
#include "report/ReportRows.h"
#include "report/RtfDocument.h"
#include "report/RtfEngine.h"
#include "report/WordAdapter.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/report/WorkedExample.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using reporttest::kTemplate;
using reporttest::NoProgress;
using reporttest::readAll;

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
         {"РАСЧЁТ ЗАЩИТНОГО ЗАЗЕМЛЕНИЯ", "Исходные данные", "Расчёт", "Результаты и решение"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
    // Plain ASCII, as RTF is meant to be.
    for (const char c : bytes)
        ASSERT_GE(static_cast<signed char>(c), 0);
}

TEST(ReportTemplate, WholeReportWithTheRtfEngineFillsEveryValue) {
    QTemporaryDir documents;
    ASSERT_TRUE(documents.isValid());
    const QByteArray hashBefore =
        QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256);
    QStringList opened;
    WordApp.engine.reset();
    WordApp.maker = [&] {
        return std::make_unique<RtfEngine>(documents.path(), [&](const QString& file) {
            opened << file;
            return true;
        });
    };
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    RecordingSink sink;
    NoProgress progress;
    EXPECT_TRUE(guarded(sink, [&] { makeReport(state, numbers, kTemplate, progress, sink); }));
    EXPECT_TRUE(sink.errors.isEmpty());
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join(' ').toStdString();
    ASSERT_EQ(opened.size(), 1);

    const QString filled = RtfDocument(readAll(opened.first())).text();
    EXPECT_FALSE(filled.contains(QLatin1Char('#')));
    // The template's text with each key put in its place, one after the other.
    QString expected = RtfDocument(readAll(kTemplate)).text();
    for (const ReportRow& row : reportRows(state, numbers)) {
        const qsizetype at = expected.indexOf(row.key);
        ASSERT_GE(at, 0) << row.key.toStdString();
        expected.replace(at, row.key.size(), row.text);
    }
    EXPECT_EQ(filled, expected);
    EXPECT_TRUE(
        filled.contains(QStringLiteral("Принимаем к установке 6 вертикальных заземлителей")));
    EXPECT_TRUE(
        filled.contains(QStringLiteral("Ширина полки уголка вертикального заземлителя, b")));
    EXPECT_EQ(QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256), hashBefore);
    WordApp.engine.reset();
    WordApp.maker = nullptr;
}

} // namespace
