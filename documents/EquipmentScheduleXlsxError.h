// Why an equipment schedule could not be saved as a spreadsheet, in words for the person who picked
// the file.
#pragma once

#include "base/Errors.h"

#include <QString>

class EquipmentScheduleXlsxError : public UserError {
public:
    // The reason is a clause in Russian that begins in lower case, e.g. "нет такой папки".
    EquipmentScheduleXlsxError(QString path, QString reason);

    const QString& path() const noexcept { return m_path; }
    const QString& reason() const noexcept { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};
