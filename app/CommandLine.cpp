#include "app/CommandLine.h"

#include "base/ProgramFacts.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

const QString kProgram = QStringLiteral("korvela");

QString usage() {
    return QStringLiteral("Использование: %1 [ФАЙЛ]\n"
                          "Расчёт защитного заземления электроустановок.\n"
                          "\n"
                          "  ФАЙЛ           открыть при запуске проект, сохранённый в файле "
                          "*.korvela\n"
                          "  -h, --help     показать эту справку и выйти\n"
                          "  -v, --version  показать версию программы и выйти\n")
        .arg(kProgram);
}

CommandLine::Request print(const QString& text) {
    CommandLine::Request r;
    r.run = false;
    r.output = text;
    return r;
}

CommandLine::Request refuse(const QString& why) {
    CommandLine::Request r;
    r.run = false;
    r.output = QStringLiteral("%1: %2\nСправка: %1 --help\n").arg(kProgram, why);
    r.toErrorStream = true;
    r.exitStatus = 2;
    return r;
}

// The toolkit's options, each written with "-" or "--": those followed by their value, those
// with their value after "=", and those that stand alone.
const QStringList kToolkitOptionsWithValue{"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "geometry",
                                           "qwindowtitle",    "title",
                                           "qwindowicon",     "icon",
                                           "session",         "style",
                                           "stylesheet",      "qmljsdebugger",
                                           "display",         "name",
                                           "visual"};
const QStringList kToolkitOptionsJoined{"style=", "stylesheet=", "qmljsdebugger="};
const QStringList kToolkitFlags{"reverse", "testability", "widgetcount",
                                "sync",    "nograb",      "dograb"};

} // namespace

QStringList CommandLine::withoutToolkitOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-')) {
            kept << argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (kToolkitOptionsWithValue.contains(name)) {
            ++i;
            continue;
        }
        const auto joined = [&](const QString& prefix) { return name.startsWith(prefix); };
        if (!kToolkitFlags.contains(name) &&
            std::none_of(kToolkitOptionsJoined.begin(), kToolkitOptionsJoined.end(), joined))
            kept << argument;
    }
    return kept;
}

QString CommandLine::version() {
    return kProgramVersion;
}

CommandLine::Request CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments.isEmpty() ? QStringList{kProgram} : arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refuse(unknown.isEmpty()
                          ? parser.errorText()
                          : QStringLiteral("неизвестный параметр «%1»").arg(unknown.first()));
    }
    if (parser.isSet(help))
        return print(usage());
    if (parser.isSet(version))
        return print(QStringLiteral("%1 %2\n").arg(kProgram, CommandLine::version()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("можно открыть только один файл"));
    Request r;
    if (files.isEmpty())
        return r;
    QString file = files.first();
    if (file.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(file);
        const QString host = url.host();
        if (!url.isLocalFile() || !(host.isEmpty() || host == QLatin1String("localhost")))
            return refuse(QStringLiteral("«%1» — не адрес файла на этом компьютере").arg(file));
        file = url.path(QUrl::FullyDecoded);
    }
    if (file.isEmpty())
        return refuse(QStringLiteral("пустое имя файла"));
    r.file = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    return r;
}
