// A document put into its file whole or not at all.
#include "documents/DocumentSave.h"

#include "base/Errors.h"
#include "base/SmallFile.h"

void saveDocument(const QString& path, const QByteArray& bytes) {
    if (const QString reason = SmallFile::write(path, bytes); !reason.isEmpty())
        throw UserError(QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason));
}
