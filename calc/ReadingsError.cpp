// Why Wenner readings cannot be taken, in words for the engineer who typed, pasted or imported
// them.
#include "calc/ReadingsError.h"

namespace {

QString capitalised(const QString& clause) {
    return clause.isEmpty() ? clause : clause.front().toUpper() + clause.mid(1);
}

} // namespace

ReadingsError::ReadingsError(const QString& reason)
    : UserError(capitalised(reason)), m_reason(reason) {}

ReadingsError::ReadingsError(const QString& path, const QString& reason)
    : UserError(QStringLiteral("Не удалось прочитать замеры из файла «%1»: %2").arg(path, reason)),
      m_reason(reason) {}
