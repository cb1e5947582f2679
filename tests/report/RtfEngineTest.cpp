// The built-in RTF engine: search and replace in memory.
#include "report/RtfEngine.h"

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RtfEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_engine = std::make_unique<RtfEngine>();
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

TEST_F(RtfEngineTest, ShowingWritesNothingAndLeavesTheTemplateAsItWas) {
    const QByteArray rtf = R"({\rtf1\ansi\ansicpg1251 \'d0 = ##ro1})";
    const QString path = openTemplate(rtf);
    EXPECT_TRUE(engine().findReplace(QStringLiteral("##ro1"), QStringLiteral("40 Ом*м")));
    engine().setVisible(true);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    EXPECT_EQ(text(), QStringLiteral("Р = 40 Ом*м"));
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), rtf);
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
}

} // namespace
