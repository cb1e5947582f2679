#include "note/NoteProject.h"

#include <QStringList>

QString noteProjectHead(const ProjectData& project) {
    QStringList lines;
    const auto add = [&](const char* label, const QString& value) {
        if (!value.trimmed().isEmpty())
            lines << QString::fromUtf8(label) + value.trimmed();
    };
    add("Объект: ", project.object);
    add("Обозначение документа: ", project.documentCode);
    add("Организация: ", project.organisation);
    return lines.join(QLatin1Char('\n'));
}

QString noteSignatures(const ProjectData& project) {
    if (project.isEmpty())
        return {};
    const QString blank = QStringLiteral("____________________");
    const auto filled = [&](const QString& value) {
        return value.trimmed().isEmpty() ? blank : value.trimmed();
    };
    const auto line = [&](const char* role, const QString& name) {
        return QString::fromUtf8(role) + QLatin1Char('\t') + filled(name) + QLatin1Char('\t') +
               blank + QLatin1Char('\t') + filled(project.date);
    };
    return line("Разработал", project.developer) + QLatin1Char('\n') +
           line("Проверил", project.checker);
}
