// The message of an equipment schedule that could not be saved.
#include "documents/EquipmentScheduleXlsxError.h"

EquipmentScheduleXlsxError::EquipmentScheduleXlsxError(QString path, QString reason)
    : UserError(QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason)),
      m_path(std::move(path)), m_reason(std::move(reason)) {}
