// Design files: what the windows hold of a design, as a small UTF-8 JSON document that a person
// can read and compare.
#pragma once

#include "base/NumberText.h"
#include "design/DesignFileError.h"
#include "design/DesignFileMembers.h"
#include "design/DesignInputs.h"

#include <QByteArray>
#include <QString>
#include <span>

// The document is an object whose first members are "format": "korvela-design" and
// "version": 2, followed by "wizard", "dialogs" and, when the scheme window's thicknesses are not
// the ones it starts with, "scheme". Their members are named for what they hold and described
// once, in the table of DesignFileMembers.h; they are written in its order, one a line, indented
// by four blanks, so that two saves of similar designs compare line by line.
// Saving always writes the current version. A file of an earlier version is first brought up to
// it by DesignFileMigration, then read as one of the current version; a file of a later version
// is refused.
//
// Numbers in the edit boxes are kept as the texts that were typed, in a notation of their own:
// "." stands for the decimal separator of the system that shows them and "," for the other of the
// two characters that the boxes take. Under comma settings the two are swapped on the way in and
// out, so a design saved under Russian settings opens under English ones with the same meaning:
// a text that reads as a number reads as the same number, and a text that does not read (a full
// stop typed under comma settings) still does not. The display labels only ever hold numbers
// written by the reference dialogs; they are kept as JSON numbers, null when empty.
//
// A design is checked whole before anything is returned, against everything the windows could
// hold: list positions and their item texts, the characters each edit box takes, the values each
// dialog can remember. Saving applies the same checks, so whatever is saved opens again.
class DesignFile {
public:
    // The largest file that is opened, checked before it is read.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    // The document for a design. Throws DesignFileError (without a path) for a snapshot that no
    // window could hold, e.g. a display label that holds no number. members is the table that
    // the document is written by; the design file's own unless a test gives another.
    static QByteArray toJson(const DesignInputs& design, const NumberText& numbers,
                             std::span<const DesignFileMember> members = designFileMembers());
    // The design of a document, with the edit boxes' texts in the separator of numbers. Throws
    // DesignFileError (without a path) naming the first fault found: a document that is not
    // UTF-8, not JSON, not a design, of a later version, or holding what no window could hold.
    static DesignInputs fromJson(const QByteArray& document, const NumberText& numbers,
                                 std::span<const DesignFileMember> members = designFileMembers());

    // Opens the design file at path. Throws DesignFileError naming the path for a file that is
    // missing, no regular file, larger than kMaxFileSize, unreadable, or not a valid design.
    static DesignInputs read(const QString& path, const NumberText& numbers);
    // Saves the design at path, atomically: either the whole new file is in place or the file
    // that was there is left as it was. Throws DesignFileError with the path and the system's
    // reason.
    static void write(const QString& path, const DesignInputs& design, const NumberText& numbers);
};
