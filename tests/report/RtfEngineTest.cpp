// The built-in RTF engine: search, replace, show as a new file.
#include "report/RtfEngine.h"

#include "tests/support/QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RtfEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_output = m_dir.filePath(QStringLiteral("Документы"));
        newReport();
    }

    // A new engine, started, as each report makes.
    void newReport() {
        m_engine = std::make_unique<RtfEngine>(m_output, [this](const QString& file) {
            m_opened << file;
            return m_opens;
        });
        m_engine->create();
    }

    // Writes a template and opens it.
    QString openTemplate(const QByteArray& rtf) {
        const QString path = m_dir.filePath(QStringLiteral("отчёт.rtf"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(rtf);
        f.close();
        EXPECT_NO_THROW(engine().openDocument(path));
        return path;
    }
    RtfEngine& engine() { return *m_engine; }
    QString text() { return engine().document().text(); }

    std::unique_ptr<RtfEngine> m_engine;
    QTemporaryDir m_dir;
    QString m_output;
    QStringList m_opened;
    bool m_opens = true;
};

TEST_F(RtfEngineTest, SearchGoesForwardFromTheInsertionPoint) {
    openTemplate(R"({\rtf1 ##a ##b ##a})");
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##b"), QStringLiteral("B")));
    // The first ##a lies behind the insertion point now.
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##a"), QStringLiteral("2")));
    EXPECT_EQ(text(), QStringLiteral("##a B 2"));
    EXPECT_FALSE(engine().findReplace(QStringLiteral("##b"), QStringLiteral("again")));
    engine().goToStart();
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##a"), QStringLiteral("1")));
    EXPECT_EQ(text(), QStringLiteral("1 B 2"));
}

TEST_F(RtfEngineTest, KeyTwiceTakesTwoCallsFromTheStart) {
    openTemplate(R"({\rtf1 ##k; ##k.})");
    engine().goToStart();
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##k"), QStringLiteral("первый")));
    EXPECT_EQ(text(), QStringLiteral("первый; ##k."));
    engine().goToStart();
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##k"), QStringLiteral("второй")));
    EXPECT_EQ(text(), QStringLiteral("первый; второй."));
}

TEST_F(RtfEngineTest, KeyNotFoundChangesNothingTwice) {
    const QByteArray rtf = R"({\rtf1 ##ro1 only})";
    openTemplate(rtf);
    for (int i = 0; i < 2; ++i) {
        engine().goToStart();
        EXPECT_FALSE(engine().findReplace(QStringLiteral("##RO1"), QStringLiteral("40")));
        EXPECT_EQ(engine().document().bytes(), rtf);
    }
}

TEST_F(RtfEngineTest, EmptyValueDeletesTheKey) {
    openTemplate(R"({\rtf1 a ##zaz&.})");
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##zaz&"), QString()));
    EXPECT_EQ(text(), QStringLiteral("a ."));
}

TEST_F(RtfEngineTest, ShowingWritesANewFileAndLeavesTheTemplateAsItWas) {
    const QByteArray rtf = R"({\rtf1\ansi\ansicpg1251 \'d0 = ##ro1})";
    const QString path = openTemplate(rtf);
    engine().setVisible(false);
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##ro1"), QStringLiteral("40 Ом*м")));
    engine().setVisible(true);

    ASSERT_EQ(m_opened.size(), 1);
    const QFileInfo shown(m_opened.first());
    EXPECT_EQ(shown.absolutePath(), QDir(m_output).absolutePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Отчёт \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.rtf$)"))
                    .match(shown.fileName())
                    .hasMatch())
        << shown.fileName().toStdString();
    QFile written(shown.filePath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), engine().document().bytes());
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), rtf);

    // Showing again opens the same file; a second report gets a file of its own.
    engine().setVisible(true);
    EXPECT_EQ(m_opened.size(), 2);
    EXPECT_EQ(m_opened[1], m_opened[0]);
    newReport();
    engine().openDocument(path);
    engine().setVisible(true);
    ASSERT_EQ(m_opened.size(), 3);
    EXPECT_NE(m_opened[2], m_opened[0]);
    EXPECT_EQ(QDir(m_output).entryList(QDir::Files).size(), 2);
}

TEST_F(RtfEngineTest, FailuresAreErrors) {
    EXPECT_ANY_THROW(engine().goToStart()); // no document yet
    EXPECT_ANY_THROW(engine().findReplace(QStringLiteral("##k"), QStringLiteral("1")));
    EXPECT_ANY_THROW(engine().openDocument(m_dir.filePath(QStringLiteral("нет такого.rtf"))));
    QFile plain(m_dir.filePath(QStringLiteral("plain.rtf")));
    plain.open(QIODevice::WriteOnly);
    plain.write("##k is no RTF");
    plain.close();
    EXPECT_ANY_THROW(engine().openDocument(plain.fileName()));

    openTemplate(R"({\rtf1 ##k})");
    m_opens = false;
    EXPECT_THROW(engine().setVisible(true), EngineFailure); // the desktop could not open it
}

} // namespace
