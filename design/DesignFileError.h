// Why a design file could not be opened or saved, in words for the person who picked the file.
#pragma once

#include "base/Errors.h"

#include <QString>

class DesignFileError : public UserError {
public:
    enum class Action { Open, Save };

    // A fault in the content of a design, before it is tied to a file. reason is a clause in
    // Russian that begins in lower case, e.g. "это не файл проекта Корвелы".
    explicit DesignFileError(QString reason);
    // The same reason, or a reason of the file system, for the file at path.
    DesignFileError(Action action, QString path, QString reason);
    // A member that the file's version does not have, at a path of keys such as "wizard.Edit7".
    static DesignFileError unknownMember(const QString& path);

    Action action() const noexcept { return m_action; }
    const QString& path() const noexcept { return m_path; }
    const QString& reason() const noexcept { return m_reason; }

private:
    Action m_action = Action::Open;
    QString m_path;
    QString m_reason;
};
