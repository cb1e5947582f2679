// What the command line asks of the program: a design to open at start, or a text to print.
#pragma once

#include <QString>
#include <QStringList>

class CommandLine {
public:
    struct Request {
        // Whether the windows are to be shown; false when the request is only to print.
        bool run = true;
        // The design to open at start, as an absolute path; empty for none.
        QString file;
        // What to print instead of running, ending in a line break.
        QString output;
        // Whether output is an error, for the error stream.
        bool toErrorStream = false;
        // The status to leave with when not running.
        int exitStatus = 0;
    };

    // The version that --version prints.
    static QString version();

    // Reads `korvela [FILE]`, `-h`/`--help` and `-v`/`--version`; arguments[0] is the program.
    // A wrong option or more than one file asks to print why, with status 2. A "file:" address,
    // as some file managers hand over, is taken as its local file. "--" ends the options, so a
    // file whose name begins with "-" can be opened.
    //
    // Made for the arguments as Qt leaves them (QCoreApplication::arguments() once the
    // application object exists, Qt's own options taken out). Help and version can also be
    // answered before that, from the raw arguments, where no display is needed.
    static Request parse(const QStringList& arguments);

    // The arguments without the toolkit's own options (`-platform NAME`, `-style NAME`,
    // `-reverse`, …), which the application object takes out once it is made: for reading the
    // command line where it cannot be made, as without a display.
    static QStringList withoutToolkitOptions(const QStringList& arguments);
};
