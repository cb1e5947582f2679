// LibreOffice Writer over UNO, headless: the real template filled, stored as text and compared.
// One Writer start serves every check of this program.
#include "report/WriterEngine.h"

#include "report/ReportFlow.h"
#include "report/ReportRows.h"
#include "report/WordAdapter.h"
#include "report/WriterOffice.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/report/WorkedExample.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using reporttest::kTemplate;
using reporttest::NoProgress;
using reporttest::readAll;

class WriterEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (WriterOffice::sofficePath().isEmpty())
            return;
        s_dir = std::make_unique<QTemporaryDir>();
        s_office =
            std::make_shared<WriterOffice>(WriterOffice::Options{true, 60000, s_dir->path()});
    }
    static void TearDownTestSuite() {
        WordApp.engine.reset();
        WordApp.maker = nullptr;
        if (s_office)
            s_office->shutDown();
        s_office.reset();
        s_dir.reset();
    }
    void SetUp() override {
        if (!s_office)
            GTEST_SKIP() << "soffice is not on PATH: LibreOffice Writer cannot be checked here";
        WordApp.maker = [] { return std::make_unique<WriterEngine>(s_office); };
    }
    void TearDown() override {
        if (auto* writer = dynamic_cast<WriterEngine*>(WordApp.engine.get()))
            writer->closeDocument();
    }
    static WriterEngine& writer() { return dynamic_cast<WriterEngine&>(*WordApp.engine); }
    static QString storedText() {
        const QString file = s_dir->filePath(QStringLiteral("текст.txt"));
        writer().storeAsText(file);
        return QString::fromUtf8(readAll(file));
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::shared_ptr<WriterOffice> s_office;
};

TEST_F(WriterEngineTest, FillsTheTemplateWithEveryValueAndLeavesTheTemplateAsItWas) {
    const QByteArray hashBefore =
        QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256);

    // The template as Writer reads it, unfilled.
    ASSERT_TRUE(WordCreate());
    ASSERT_TRUE(WordOpenDocument(kTemplate));
    QString expected = storedText();
    writer().closeDocument();

    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    for (const ReportRow& row : reportRows(state, numbers)) {
        const qsizetype at = expected.indexOf(row.key);
        ASSERT_GE(at, 0) << row.key.toStdString();
        expected.replace(at, row.key.size(), row.text);
    }

    RecordingSink sink;
    NoProgress progress;
    EXPECT_TRUE(guarded(sink, [&] { makeReport(state, numbers, kTemplate, progress, sink); }));
    EXPECT_TRUE(sink.errors.isEmpty()) << sink.errors.join(' ').toStdString();
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join(' ').toStdString();
    EXPECT_EQ(storedText(), expected);
    EXPECT_EQ(QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256), hashBefore);
}

TEST_F(WriterEngineTest, SearchIsForwardCaseSensitiveAndWithoutPatterns) {
    const QString path = s_dir->filePath(QStringLiteral("ключи.rtf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({\rtf1\ansi ##k; {\b ##k}; ##r{\i o}1; a.c; ##end})");
    f.close();

    ASSERT_TRUE(WordCreate());
    ASSERT_TRUE(WordOpenDocument(path));
    EXPECT_TRUE(WordGoToStart());
    EXPECT_FALSE(WordFindReplace(QStringLiteral("##K"), QStringLiteral("x")));
    EXPECT_FALSE(WordFindReplace(QStringLiteral("a.?c"), QStringLiteral("x")));
    EXPECT_TRUE(WordFindReplace(QStringLiteral("##k"), QStringLiteral("первый")));
    EXPECT_TRUE(WordGoToStart());
    EXPECT_TRUE(WordFindReplace(QStringLiteral("##k"), QStringLiteral("второй")));
    EXPECT_TRUE(WordFindReplace(QStringLiteral("##ro1"), QString()));
    // Behind the insertion point: found only from the start.
    EXPECT_FALSE(WordFindReplace(QStringLiteral("##k"), QStringLiteral("x")));
    EXPECT_FALSE(WordFindReplace(QStringLiteral("##k"), QStringLiteral("x")));
    EXPECT_TRUE(WordFindReplace(QStringLiteral("##end"), QStringLiteral("конец")));
    EXPECT_EQ(storedText().trimmed(), QStringLiteral("первый; второй; ; a.c; конец"));
}

TEST_F(WriterEngineTest, ReusesTheRunningInstanceAndFailsFastOnAMissingTemplate) {
    ASSERT_TRUE(WordCreate());
    const pid_t pid = s_office->processId();
    ASSERT_TRUE(WordCreate());
    EXPECT_EQ(s_office->processId(), pid);
    EXPECT_TRUE(s_office->alive());

    QElapsedTimer clock;
    clock.start();
    const QString missing = s_dir->filePath(QStringLiteral("отчёт/нет.rtf"));
    RecordingSink sink;
    NoProgress progress;
    EXPECT_FALSE(guarded(sink, [&] {
        makeReport(reporttest::workedExample(), NumberText(QChar(',')), missing, progress, sink);
    }));
    EXPECT_EQ(sink.errors, QStringList{"Не удалось открыть шаблон отчёта: " + missing + "."});
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(WordGoToStart());
}

} // namespace
