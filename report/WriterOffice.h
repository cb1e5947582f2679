// The LibreOffice instance this program starts for its reports, and the UNO connection to it.
#pragma once

#include <QString>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ustring.hxx>
#include <sys/types.h>

// A Qt string as a UNO string.
rtl::OUString toOUString(const QString& s);

class WriterOffice {
public:
    struct Options {
        bool headless = false;      // no window at all (checks); otherwise started invisible
        int connectLimitMs = 20000; // how long a start may take
        QString profileRoot;        // the folder of the private profiles; empty: the user's cache
    };

    explicit WriterOffice(Options options);
    WriterOffice(const WriterOffice&) = delete;
    WriterOffice& operator=(const WriterOffice&) = delete;
    // Leaves the instance running with the documents it shows; an instance without any window
    // is ended.
    ~WriterOffice();

    // soffice on PATH, empty when there is none.
    static QString sofficePath();
    // The locale the office is started with, so that it can open paths with Cyrillic letters:
    // the user's own (LC_ALL, LC_CTYPE or LANG, the first set) when it is UTF-8 and installed on
    // this machine, else the UTF-8 form of the user's language when that is installed, else
    // C.UTF-8.
    static QByteArray officeLocale();

    // The desktop of the running instance; starts a new instance when there is none or the one
    // started before has gone. Throws when it cannot be started or connected within the limit.
    css::uno::Reference<css::frame::XDesktop2> desktop();
    // The component context of the running instance, for its services (starts one as desktop()).
    css::uno::Reference<css::uno::XComponentContext> context();
    // Whether the instance started before is still running and answering.
    bool alive();
    // Ends the instance (the program ends one left without a window; checks end what they
    // started).
    void shutDown();

private:
    void start();
    QString freeProfileDir() const;
    void killProcess();

    Options m_options;
    pid_t m_pid = -1;
    QString m_profileDir;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    css::uno::Reference<css::uno::XComponentContext> m_context;
};
