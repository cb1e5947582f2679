// "Отчёт" without a word processor: the note written as RTF and PDF under one name, the PDF opened,
// and what the engineer is told when it is not opened or not written.
#include "report/NoteFilesEngine.h"
#include "report/DesktopOpener.h"
#include "report/ReportFlow.h"
#include "report/ReportSession.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using reporttest::kTemplate;
using reporttest::readAll;

struct Case {
    const char* name;
    bool folderWritable;
    bool opens;
};

TEST(NoteFilesEngine, WritesBothFilesUnderOneNameAndOpensThePdf) {
    for (const Case& c : {Case{"opened", true, true}, Case{"not opened", true, false},
                          Case{"not written", false, true}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QString folder = dir.filePath(QStringLiteral("Документы"));
        if (!c.folderWritable) {
            // A file where the folder should be: neither file can be made in it.
            QFile blocker(folder);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
            folder += QStringLiteral("/отчёты");
        }
        QStringList opened;
        ReportSession session({NoteFilesEngine::record(folder, [&](const QString& file) {
            opened << file;
            return c.opens;
        })});
        RecordingSink sink;
        reporttest::NoProgress progress;
        const bool completed = guarded(sink, [&] {
            makeReport(session, reporttest::workedExample(), NumberText(QChar(',')), kTemplate,
                       progress, sink);
        });

        const QStringList written =
            QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed);
        if (!c.folderWritable) {
            EXPECT_FALSE(completed);
            EXPECT_TRUE(written.isEmpty()) << written.join(' ').toStdString();
            EXPECT_TRUE(opened.isEmpty());
            ASSERT_EQ(sink.errors.size(), 1);
            const QRegularExpression expected(
                QStringLiteral("^Не удалось записать отчёт: ") +
                QRegularExpression::escape(folder) +
                QStringLiteral("/Отчёт [-0-9 ]+\\.rtf \\(Not a directory\\)$"));
            EXPECT_TRUE(expected.match(sink.errors.first()).hasMatch())
                << sink.errors.first().toStdString();
            continue;
        }
        EXPECT_TRUE(completed);
        EXPECT_TRUE(sink.errors.isEmpty()) << sink.errors.join(' ').toStdString();
        // "Отчёт <date> <time>" twice, as RTF and as PDF.
        ASSERT_EQ(written.size(), 2) << written.join(' ').toStdString();
        const QString stem = QFileInfo(written[0]).completeBaseName();
        EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Отчёт \d{4}-\d\d-\d\d \d\d-\d\d-\d\d$)"))
                        .match(stem)
                        .hasMatch())
            << stem.toStdString();
        EXPECT_EQ(written,
                  (QStringList{stem + QStringLiteral(".rtf"), stem + QStringLiteral(".pdf")}));
        const QString rtf = QDir(folder).filePath(written[0]);
        const QString pdf = QDir(folder).filePath(written[1]);
        EXPECT_TRUE(readAll(rtf).startsWith("{\\rtf"));
        EXPECT_TRUE(readAll(pdf).startsWith("%PDF-"));
        EXPECT_EQ(opened, QStringList{pdf});
        const QStringList told =
            c.opens ? QStringList{} : QStringList{"Отчёт сохранён: " + rtf + " и " + pdf};
        EXPECT_EQ(sink.messages, told);
    }
}

struct OpenerCase {
    const char* name;
    const char* script; // the opener's shell script; none: no opener at that path
    bool told;
};

TEST(NoteFilesEngine, SaysWhereTheFilesAreWhenTheDesktopOpenerFails) {
    for (const OpenerCase& c :
         {OpenerCase{"missing", nullptr, true}, OpenerCase{"exits 1", "#!/bin/sh\nexit 1\n", true},
          OpenerCase{"exits 0", "#!/bin/sh\nexit 0\n", false}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString opener = dir.filePath(QStringLiteral("opener"));
        if (c.script) {
            ASSERT_TRUE(reporttest::writeAll(opener, c.script));
            QFile::setPermissions(opener, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const QString folder = dir.filePath(QStringLiteral("Документы"));
        ReportSession session({NoteFilesEngine::record(folder, desktopOpener(opener))});
        RecordingSink sink;
        reporttest::NoProgress progress;
        EXPECT_TRUE(guarded(sink, [&] {
            makeReport(session, reporttest::workedExample(), NumberText(QChar(',')), kTemplate,
                       progress, sink);
        }));

        const QStringList written = QDir(folder).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(written.size(), 2) << written.join(' ').toStdString();
        const QString saved = QStringLiteral("Отчёт сохранён: ") +
                              QDir(folder).filePath(written[1]) + QStringLiteral(" и ") +
                              QDir(folder).filePath(written[0]);
        EXPECT_EQ(sink.messages, c.told ? QStringList{saved} : QStringList{});
        EXPECT_TRUE(sink.errors.isEmpty()) << sink.errors.join(' ').toStdString();
    }
}

} // namespace
