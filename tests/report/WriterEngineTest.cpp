// LibreOffice Writer over UNO, headless: the real template filled, stored as text and compared,
// with the note's scheme as a graphic and its bill as a table.
// One Writer start serves every check of this program.
#include "report/WriterEngine.h"

#include "note/ReportRows.h"
#include "report/CursorReportEngine.h"
#include "report/ReportFlow.h"
#include "report/ReportSession.h"
#include "report/WriterOffice.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WriterDocuments.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <sys/wait.h>

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
        if (s_office)
            s_office->shutDown();
        s_office.reset();
        s_dir.reset();
    }
    void SetUp() override {
        if (!s_office)
            GTEST_SKIP() << "soffice is not on PATH: LibreOffice Writer cannot be checked here";
        m_session.setEngines({CursorReportEngine::record(QStringLiteral("Writer"), nullptr, [] {
            return std::make_unique<WriterEngine>(s_office);
        })});
        m_writer = std::make_unique<WriterEngine>(s_office);
        m_documents.emplace(s_office->desktop());
    }
    void TearDown() override {
        if (m_documents)
            m_documents->closeOpened();
    }
    // The text of the one document opened since the test began.
    QString openedText() const {
        return WriterDocuments::text(m_documents->openedOne(),
                                     s_dir->filePath(QStringLiteral("текст.txt")));
    }

    // The reports' engines.
    ReportSession m_session;
    // A Writer engine of the test's own.
    std::unique_ptr<WriterEngine> m_writer;
    // The documents that Writer showed before the test.
    std::optional<WriterDocuments> m_documents;

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::shared_ptr<WriterOffice> s_office;
};

TEST_F(WriterEngineTest, FillsTheTemplateWithEveryValueAndLeavesTheTemplateAsItWas) {
    const QByteArray hashBefore =
        QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256);

    // The template as Writer reads it, unfilled.
    m_writer->create();
    m_writer->openDocument(kTemplate);
    QString expected = openedText();
    m_documents->closeOpened();

    // Each key replaced by its text; a table as its cells, each on a line of its own, before the
    // paragraph of its key; a picture leaves no text.
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    const std::vector<ReportRow> rows = reportRows(state, numbers);
    std::vector<std::vector<QStringList>> tables;
    for (const ReportRow& row : rows) {
        const qsizetype at = expected.indexOf(row.key);
        ASSERT_GE(at, 0) << row.key.toStdString();
        QString text = row.text;
        if (row.table) {
            QStringList titles;
            for (const ReportColumn& column : row.table->columns)
                titles << column.title;
            std::vector<QStringList> table{titles};
            table.insert(table.end(), row.table->rows.begin(), row.table->rows.end());
            for (const QStringList& cells : table)
                text += cells.join(QLatin1Char('\n')) + QLatin1Char('\n');
            tables.push_back(table);
        }
        // An empty place of its own goes with its paragraph's end.
        const bool goes = row.ownParagraph && text.isEmpty();
        expected.replace(at, row.key.size() + (goes ? 1 : 0), text);
    }
    // The bill's heading and 4 rows, the equipment schedule's heading and 3.
    ASSERT_EQ(tables.size(), 2u);
    ASSERT_EQ(tables[0].size(), 5u);
    ASSERT_EQ(tables[1].size(), 4u);

    RecordingSink sink;
    NoProgress progress;
    EXPECT_TRUE(
        guarded(sink, [&] { makeReport(m_session, state, numbers, kTemplate, progress, sink); }));
    EXPECT_TRUE(sink.errors.isEmpty()) << sink.errors.join(' ').toStdString();
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join(' ').toStdString();
    EXPECT_EQ(openedText(), expected);
    // The scheme as one graphic, the bill and the equipment schedule as tables.
    const WriterDocuments::Document note = m_documents->openedOne();
    EXPECT_EQ(WriterDocuments::graphicCount(note), 1);
    EXPECT_EQ(WriterDocuments::tables(note), tables);
    EXPECT_EQ(QCryptographicHash::hash(readAll(kTemplate), QCryptographicHash::Sha256), hashBefore);
}

TEST_F(WriterEngineTest, SearchIsForwardCaseSensitiveAndWithoutPatterns) {
    const QString path = s_dir->filePath(QStringLiteral("ключи.rtf"));
    ASSERT_TRUE(
        reporttest::writeAll(path, R"({\rtf1\ansi ##k; {\b ##k}; ##r{\i o}1; a.c; ##end})"));

    WriterEngine& writer = *m_writer;
    writer.create();
    writer.openDocument(path);
    writer.goToStart();
    EXPECT_FALSE(writer.findReplace(QStringLiteral("##K"), QStringLiteral("x")));
    EXPECT_FALSE(writer.findReplace(QStringLiteral("a.?c"), QStringLiteral("x")));
    EXPECT_TRUE(writer.findReplace(QStringLiteral("##k"), QStringLiteral("первый")));
    writer.goToStart();
    EXPECT_TRUE(writer.findReplace(QStringLiteral("##k"), QStringLiteral("второй")));
    EXPECT_TRUE(writer.findReplace(QStringLiteral("##ro1"), QString()));
    // Behind the insertion point: found only from the start.
    EXPECT_FALSE(writer.findReplace(QStringLiteral("##k"), QStringLiteral("x")));
    EXPECT_FALSE(writer.findReplace(QStringLiteral("##k"), QStringLiteral("x")));
    EXPECT_TRUE(writer.findReplace(QStringLiteral("##end"), QStringLiteral("конец")));
    EXPECT_EQ(openedText().trimmed(), QStringLiteral("первый; второй; ; a.c; конец"));
}

TEST_F(WriterEngineTest, ReusesTheRunningInstanceAndFailsFastOnAMissingTemplate) {
    // The same instance answers: the connection to it is kept.
    ASSERT_TRUE(m_session.start());
    const auto desktop = s_office->desktop();
    ASSERT_TRUE(m_session.start());
    EXPECT_TRUE(s_office->desktop() == desktop);
    EXPECT_TRUE(s_office->alive());

    QElapsedTimer clock;
    clock.start();
    const QString missing = s_dir->filePath(QStringLiteral("отчёт/нет.rtf"));
    RecordingSink sink;
    NoProgress progress;
    EXPECT_FALSE(guarded(sink, [&] {
        makeReport(m_session, reporttest::workedExample(), NumberText(QChar(',')), missing,
                   progress, sink);
    }));
    EXPECT_EQ(sink.errors, QStringList{"Не удалось открыть шаблон отчёта: " + missing + "."});
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(m_documents->opened().empty());
}

// A note filled ahead is the note shown; one filled ahead of other rows is closed unshown.
TEST_F(WriterEngineTest, TheNoteFilledAheadIsShownAndOneNotWantedIsClosed) {
    m_session.setEngines({CursorReportEngine::record(
        QStringLiteral("Writer"), nullptr, [] { return std::make_unique<WriterEngine>(s_office); },
        true)});
    const NumberText numbers(QChar(','));
    std::vector<ReportRow> rows = reportRows(reporttest::workedExample(), numbers);
    std::vector<ReportRow> otherRows = rows;
    otherRows.front().text = QStringLiteral("иное");
    NoProgress progress;
    QStringList notFound;
    for (const std::vector<ReportRow>* clicked : {&rows, &otherRows}) {
        m_session.fillAhead(kTemplate, [&] { return rows; });
        ASSERT_TRUE(m_session.start());
        ASSERT_TRUE(m_session.fill(kTemplate, *clicked, progress, notFound));
        ASSERT_TRUE(m_session.show());
        EXPECT_TRUE(notFound.isEmpty());
    }
    // The first note, and the second filled anew: the one filled ahead of it is gone.
    const std::vector<WriterDocuments::Document> notes = m_documents->opened();
    ASSERT_EQ(notes.size(), 2u);
    const QString scratch = s_dir->filePath(QStringLiteral("текст.txt"));
    EXPECT_NE(WriterDocuments::text(notes[0], scratch).contains(QStringLiteral("иное")),
              WriterDocuments::text(notes[1], scratch).contains(QStringLiteral("иное")));
}

// Sets environment variables for one scope and puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
            if (value)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        for (const Saved& s : m_saved) {
            if (s.set)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }

private:
    struct Saved {
        const char* name;
        bool set;
        QByteArray value;
    };
    std::vector<Saved> m_saved;
};

TEST(WriterLocale, TheUsersOwnWhenInstalledOtherwiseCUtf8) {
    // This machine has C.utf8 whatever else it lacks; xx_YY is nowhere.
    const struct {
        const char* lcAll;
        const char* lcCtype;
        const char* lang;
        const char* expected;
    } cases[] = {
        {nullptr, nullptr, "C.utf8", "C.utf8"},
        {"C.utf8", nullptr, "xx_YY.UTF-8", "C.utf8"},
        {nullptr, nullptr, "xx_YY.UTF-8", "C.UTF-8"},
        {"xx_YY.UTF-8", nullptr, "C.utf8", "C.UTF-8"},
        {nullptr, "xx_YY.ISO-8859-5", nullptr, "C.UTF-8"},
        {nullptr, nullptr, "C", "C.UTF-8"},
        {nullptr, nullptr, nullptr, "C.UTF-8"},
    };
    for (const auto& c : cases) {
        ScopedEnvironment env{{"LC_ALL", c.lcAll}, {"LC_CTYPE", c.lcCtype}, {"LANG", c.lang}};
        EXPECT_EQ(WriterOffice::officeLocale(), QByteArray(c.expected))
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcCtype ? c.lcCtype : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

// A locale named in the environment that the machine has not generated: Writer still opens the
// template from its Cyrillic path and the note is made.
TEST(WriterLocale, NamedButMissingLocaleStillMakesTheNote) {
    if (WriterOffice::sofficePath().isEmpty())
        GTEST_SKIP() << "soffice is not on PATH: LibreOffice Writer cannot be checked here";
    ASSERT_TRUE(kTemplate.contains(QStringLiteral("отчёт")));
    QTemporaryDir dir;
    ScopedEnvironment env{{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "ru_RU.UTF-8"}};
    auto office = std::make_shared<WriterOffice>(WriterOffice::Options{true, 60000, dir.path()});
    auto session = std::make_unique<ReportSession>(std::vector<EngineRecord>{
        CursorReportEngine::record(QStringLiteral("Writer"), nullptr,
                                   [&] { return std::make_unique<WriterEngine>(office); })});
    std::optional<WriterDocuments> documents;
    try {
        documents.emplace(office->desktop());
    } catch (const std::exception& e) {
        FAIL() << e.what();
    }
    RecordingSink sink;
    NoProgress progress;
    const bool made = guarded(sink, [&] {
        makeReport(*session, reporttest::workedExample(), NumberText(QChar(',')), kTemplate,
                   progress, sink);
    });
    QString text;
    if (made) {
        const WriterDocuments::Document note = documents->openedOne();
        text = WriterDocuments::text(note, dir.filePath(QStringLiteral("текст.txt")));
        WriterDocuments::close(note);
    }
    session.reset();
    office->shutDown();
    EXPECT_TRUE(made) << sink.errors.join(' ').toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("R = 3,52 Ом ≤ Rн = 4 Ом: требование выполняется")));
    EXPECT_FALSE(text.contains(QLatin1Char('#')));
}

// A soffice that ends at once, or a profile that cannot be written, fails the start at once
// instead of after the start limit.
TEST(WriterStart, FailsAsSoonAsTheOfficeCannotRun) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fake = dir.filePath(QStringLiteral("soffice"));
    ASSERT_TRUE(reporttest::writeAll(fake, "#!/bin/sh\nexit 1\n"));
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString plain = dir.filePath(QStringLiteral("файл"));
    ASSERT_TRUE(reporttest::writeAll(plain, {}));

    ScopedEnvironment env{{"PATH", dir.path().toUtf8().constData()}};
    const struct {
        const char* name;
        QString profileRoot;
    } cases[] = {
        {"soffice ends", dir.filePath(QStringLiteral("профили"))},
        {"profile cannot be written", plain + QStringLiteral("/профили")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriterOffice office(WriterOffice::Options{true, 20000, c.profileRoot});
        QElapsedTimer clock;
        clock.start();
        EXPECT_THROW(office.desktop(), std::runtime_error);
        EXPECT_LT(clock.elapsed(), 3000);
        // No process is left behind: this program has no child, running or ended.
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }
}

} // namespace
