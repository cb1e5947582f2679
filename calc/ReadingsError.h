// Why Wenner readings cannot be taken, in words for the engineer who typed, pasted or imported
// them.
#pragma once

#include "base/Errors.h"

#include <QString>

class ReadingsError : public UserError {
public:
    // reason: a clause in Russian that begins in lower case, e.g. "строка 3: «1,2,3» — не число";
    // the message is the same clause with a capital letter.
    explicit ReadingsError(const QString& reason);
    // The same reason, or a reason of the file system, for the file at path.
    ReadingsError(const QString& path, const QString& reason);

    const QString& reason() const noexcept { return m_reason; }

private:
    QString m_reason;
};
