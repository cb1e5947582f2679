// The messages of the faults of design files.
#include "design/DesignFileError.h"

namespace {

QString messageFor(DesignFileError::Action action, const QString& path, const QString& reason) {
    if (path.isEmpty())
        return QStringLiteral("Неверный файл проекта: %1").arg(reason);
    return action == DesignFileError::Action::Open
               ? QStringLiteral("Не удалось открыть файл «%1»: %2").arg(path, reason)
               : QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason);
}

} // namespace

DesignFileError::DesignFileError(QString reason)
    : UserError(messageFor(Action::Open, {}, reason)), m_reason(std::move(reason)) {}

DesignFileError::DesignFileError(Action action, QString path, QString reason)
    : UserError(messageFor(action, path, reason)), m_action(action), m_path(std::move(path)),
      m_reason(std::move(reason)) {}

DesignFileError DesignFileError::unknownMember(const QString& path) {
    return DesignFileError(QStringLiteral("в файле есть неизвестное поле «%1»").arg(path));
}
