// The command line: a design to open, help, version, and what is refused.
#include "app/CommandLine.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

CommandLine::Request parse(std::initializer_list<const char*> args) {
    QStringList list{QStringLiteral("korvela")};
    for (const char* a : args)
        list << QString::fromUtf8(a);
    return CommandLine::parse(list);
}

TEST(CommandLine, RunsWithTheDesignNamedAsAnAbsolutePath) {
    const struct {
        std::initializer_list<const char*> args;
        QString file;
    } cases[] = {
        {{}, {}},
        {{"/tmp/проект.korvela"}, QStringLiteral("/tmp/проект.korvela")},
        {{"a/../b.korvela"}, QDir::current().absoluteFilePath(QStringLiteral("b.korvela"))},
        {{"--", "-x.korvela"}, QDir::current().absoluteFilePath(QStringLiteral("-x.korvela"))},
        {{"file:///tmp/%D0%BF.korvela"}, QStringLiteral("/tmp/п.korvela")},
    };
    for (const auto& c : cases) {
        const CommandLine::Request r = parse(c.args);
        EXPECT_TRUE(r.run);
        EXPECT_EQ(r.file, c.file);
        EXPECT_TRUE(r.output.isEmpty());
    }
    EXPECT_TRUE(CommandLine::parse({}).run);
}

TEST(CommandLine, HelpAndVersionPrintAndLeave) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine::Request r = parse({option, "design.korvela"});
        EXPECT_FALSE(r.run);
        EXPECT_EQ(r.exitStatus, 0);
        EXPECT_FALSE(r.toErrorStream);
        EXPECT_TRUE(r.output.startsWith(QStringLiteral("Использование: korvela [ФАЙЛ]\n")));
        EXPECT_TRUE(r.output.contains(QStringLiteral("--version")));
        EXPECT_TRUE(r.output.endsWith(u'\n'));
    }
    for (const char* option : {"--version", "-v"}) {
        const CommandLine::Request r = parse({option});
        EXPECT_FALSE(r.run);
        EXPECT_EQ(r.exitStatus, 0);
        EXPECT_EQ(r.output, QStringLiteral("korvela 1.1\n"));
    }
}

TEST(CommandLine, WrongUseIsRefusedWithStatusTwo) {
    const struct {
        std::initializer_list<const char*> args;
        const char* why;
    } cases[] = {
        {{"--open", "a.korvela"}, "korvela: неизвестный параметр «open»\n"},
        {{"-x"}, "korvela: неизвестный параметр «x»\n"},
        {{"a.korvela", "b.korvela"}, "korvela: можно открыть только один файл\n"},
        {{""}, "korvela: пустое имя файла\n"},
        {{"file://server/share/a.korvela"}, "не адрес файла на этом компьютере\n"},
    };
    for (const auto& c : cases) {
        const CommandLine::Request r = parse(c.args);
        EXPECT_FALSE(r.run);
        EXPECT_EQ(r.exitStatus, 2);
        EXPECT_TRUE(r.toErrorStream);
        EXPECT_TRUE(r.output.contains(QString::fromUtf8(c.why))) << r.output.toStdString();
        EXPECT_TRUE(r.output.endsWith(QStringLiteral("Справка: korvela --help\n")));
    }
}

TEST(CommandLine, ToolkitOptionsAreLeftOut) {
    const struct {
        QStringList arguments, kept;
    } cases[] = {
        {{"korvela", "-platform", "xcb", "a.korvela"}, {"korvela", "a.korvela"}},
        {{"korvela", "--style=Fusion", "-reverse", "--display", ":1", "--no-such-option"},
         {"korvela", "--no-such-option"}},
        {{"korvela", "-x", "--", "-y.korvela"}, {"korvela", "-x", "--", "-y.korvela"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::withoutToolkitOptions(c.arguments), c.kept);
}

} // namespace
