#include "report/WriterOffice.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <locale.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace com::sun::star;
using rtl::OUString;

OUString toOUString(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return OUString(utf8.constData(), utf8.size(), RTL_TEXTENCODING_UTF8);
}

namespace {

// The UNO runtime of this process, bootstrapped once for all connections.
uno::Reference<uno::XComponentContext> localContext() {
    static const uno::Reference<uno::XComponentContext> context = [] {
        // Without it the desktop service crashes instead of throwing.
        rtl::Bootstrap::set(OUString("URE_BOOTSTRAP"),
                            toOUString(QStringLiteral("vnd.sun.star.pathname:") +
                                       QStringLiteral(KORVELA_LO_PROGRAM_DIR "/fundamentalrc")));
        return cppu::defaultBootstrap_InitialComponentContext();
    }();
    return context;
}

// The version LibreOffice records after its first start; a profile that already holds it skips
// the graphics self-tests of a first start.
QString productVersion(const QString& soffice) {
    const QDir program = QFileInfo(QFileInfo(soffice).canonicalFilePath()).dir();
    QFile xcd(program.filePath(QStringLiteral("../share/registry/main.xcd")));
    if (!xcd.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression version(
        QStringLiteral(R"(ooSetupVersion">\s*<value>([^<]+)</value>)"));
    const QRegularExpressionMatch m = version.match(QString::fromUtf8(xcd.readAll()));
    return m.hasMatch() ? m.captured(1) : QString();
}

void seedProfile(const QString& dir, const QString& version) {
    const QString user = dir + QStringLiteral("/user");
    QDir().mkpath(user);
    QFile file(user + QStringLiteral("/registrymodifications.xcu"));
    if (file.exists() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
        "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
        "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><prop oor:name=\"FirstRun\" "
        "oor:op=\"fuse\"><value>false</value></prop></item>\n"
        "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><prop oor:name=\"ShowTipOfTheDay\" "
        "oor:op=\"fuse\"><value>false</value></prop></item>\n";
    if (!version.isEmpty())
        xml += "<item oor:path=\"/org.openoffice.Setup/Product\"><prop "
               "oor:name=\"ooSetupLastVersion\" oor:op=\"fuse\"><value>" +
               version.toUtf8() + "</value></prop></item>\n";
    xml += "</oor:items>\n";
    file.write(xml);
}

QString profileUrl(const QString& dir) {
    return QString::fromUtf8(QUrl::fromLocalFile(dir).toEncoded());
}

// Whether the process pid is an office started with the profile in dir.
bool runsWithProfile(pid_t pid, const QString& dir) {
    if (pid <= 0)
        return false;
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!cmdline.open(QIODevice::ReadOnly))
        return ::kill(pid, 0) == 0 && !QDir(QStringLiteral("/proc")).exists();
    return cmdline.readAll().contains(profileUrl(dir).toUtf8());
}

// The character type locale of a child started now: LC_ALL wins over LC_CTYPE, and LC_CTYPE over
// LANG.
QByteArray userLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isUtf8(const QByteArray& locale) {
    const QByteArray lower = locale.toLower();
    return lower.contains("utf-8") || lower.contains("utf8");
}

// Whether the C library of this machine has the locale (a name that `locale -a` lists).
bool installed(const QByteArray& locale) {
    const locale_t l = ::newlocale(LC_CTYPE_MASK, locale.constData(), locale_t(nullptr));
    if (!l)
        return false;
    ::freelocale(l);
    return true;
}

// The environment of the office: ours, with the office's locale in LC_ALL where ours is not it.
std::vector<std::string> officeEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    const QByteArray locale = WriterOffice::officeLocale();
    if (locale != userLocale()) {
        std::erase_if(env, [](const std::string& e) { return e.rfind("LC_ALL=", 0) == 0; });
        env.push_back("LC_ALL=" + locale.toStdString());
    }
    return env;
}

} // namespace

WriterOffice::WriterOffice(Options options) : m_options(std::move(options)) {
    if (m_options.profileRoot.isEmpty())
        m_options.profileRoot = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                QStringLiteral("/writer");
}

WriterOffice::~WriterOffice() {
    // An instance left without any window (its documents closed, or the template never opened)
    // would otherwise run on unseen; one that shows documents stays open with them.
    try {
        if (alive() && m_desktop->getFrames()->getCount() == 0)
            shutDown();
    } catch (...) {
    }
}

QString WriterOffice::sofficePath() {
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QByteArray WriterOffice::officeLocale() {
    const QByteArray own = userLocale();
    if (isUtf8(own) && installed(own))
        return own;
    // ru_RU.KOI8-R@modifier: the language and territory, ru_RU.
    QByteArray base = own.left(own.indexOf('.'));
    base = base.left(base.indexOf('@'));
    if (!base.isEmpty() && base != "C" && base != "POSIX" && installed(base + ".UTF-8"))
        return base + ".UTF-8";
    return QByteArrayLiteral("C.UTF-8");
}

bool WriterOffice::alive() {
    if (m_pid <= 0 || !m_desktop.is())
        return false;
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) != 0)
        return false;
    try {
        m_desktop->getCurrentFrame();
        return true;
    } catch (...) {
        return false;
    }
}

uno::Reference<frame::XDesktop2> WriterOffice::desktop() {
    if (!alive())
        start();
    return m_desktop;
}

uno::Reference<uno::XComponentContext> WriterOffice::context() {
    desktop();
    return m_context;
}

QString WriterOffice::freeProfileDir() const {
    for (int n = 1;; ++n) {
        const QString dir = m_options.profileRoot + QStringLiteral("/profile-%1").arg(n);
        QFile owner(dir + QStringLiteral("/owner"));
        if (!owner.open(QIODevice::ReadOnly))
            return dir;
        const pid_t pid = owner.readAll().trimmed().toInt();
        if (!runsWithProfile(pid, dir))
            return dir;
    }
}

void WriterOffice::start() {
    m_desktop.clear();
    m_context.clear();
    if (m_pid > 0)
        killProcess(); // gone or not answering: make room for a new one
    const QString soffice = sofficePath();
    if (soffice.isEmpty())
        throw std::runtime_error("soffice is not installed");

    m_profileDir = freeProfileDir();
    // An office that cannot make its profile does not end: it waits with a message no one sees.
    // A profile folder that cannot be written ends the start here.
    QFile owner(m_profileDir + QStringLiteral("/owner"));
    const bool made = QDir().mkpath(m_profileDir + QStringLiteral("/user"));
    if (!owner.open(QIODevice::WriteOnly | QIODevice::Truncate) || !made)
        throw std::runtime_error("the Writer profile folder " + m_profileDir.toStdString() +
                                 " cannot be written: " + owner.errorString().toStdString());
    seedProfile(m_profileDir, productVersion(soffice));
    const QString pipe = QStringLiteral("korvela-%1-%2")
                             .arg(::getpid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128));

    const std::vector<std::string> args = {
        soffice.toStdString(),
        m_options.headless ? "--headless" : "--invisible",
        "--norestore",
        "--nologo",
        "--nodefault",
        "--nolockcheck",
        "-env:UserInstallation=" + profileUrl(m_profileDir).toStdString(),
        "--accept=pipe,name=" + pipe.toStdString() + ";urp;StarOffice.ComponentContext",
    };
    const std::vector<std::string> env = officeEnvironment();
    std::vector<char*> argv, envp;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A process group of its own: an interrupt of the program's terminal leaves Writer running.
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0)
        throw std::runtime_error("soffice cannot be started");
    m_pid = pid;
    owner.write(QByteArray::number(qlonglong(pid)));
    owner.close();

    const uno::Reference<bridge::XUnoUrlResolver> resolver =
        bridge::UnoUrlResolver::create(localContext());
    const OUString url = toOUString(QStringLiteral("uno:pipe,name=") + pipe +
                                    QStringLiteral(";urp;StarOffice.ComponentContext"));
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        try {
            const uno::Reference<uno::XComponentContext> remote(resolver->resolve(url),
                                                                uno::UNO_QUERY_THROW);
            m_desktop = frame::Desktop::create(remote);
            m_context = remote;
            return;
        } catch (const connection::NoConnectException&) {
        }
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) != 0) {
            m_pid = -1;
            throw std::runtime_error("soffice ended while starting");
        }
        if (clock.elapsed() > m_options.connectLimitMs) {
            killProcess();
            throw std::runtime_error("soffice did not answer in time");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void WriterOffice::killProcess() {
    if (m_pid <= 0)
        return;
    ::kill(-m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

void WriterOffice::shutDown() {
    if (m_pid <= 0)
        return;
    try {
        if (m_desktop.is())
            m_desktop->terminate();
    } catch (...) {
    }
    m_desktop.clear();
    m_context.clear();
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(m_pid, nullptr, WNOHANG) != 0) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    killProcess();
}
