// The message of a specification that could not be saved.
#include "documents/SpecificationXlsxError.h"

SpecificationXlsxError::SpecificationXlsxError(QString path, QString reason)
    : UserError(QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason)),
      m_path(std::move(path)), m_reason(std::move(reason)) {}
