#include "note/NoteProject.h"

#include <QStringList>

QString noteProjectHead(const ProjectData& project) {
    QStringList lines;
    const auto add = [&](const char* label, const QString& value) {
        if (!value.trimmed().isEmpty())
            lines << QString::fromUtf8(label) + value.trimmed();
    };
    add("Обозначение документа: ", project.documentCode);
    add("Организация: ", project.organisation);
    return lines.join(QLatin1Char('\n'));
}

namespace {
// A line to fill by hand: a short one for a name or a date, a long one for the object.
const QString kBlank = QStringLiteral("____________________");
const QString kLongBlank = QString(51, u'_');

QString filledOr(const QString& value, const QString& blank) {
    return value.trimmed().isEmpty() ? blank : value.trimmed();
}
} // namespace

QString noteObject(const ProjectData& project) {
    return filledOr(project.object, kLongBlank);
}

QString noteDate(const ProjectData& project) {
    return filledOr(project.date, kBlank);
}

QString noteSignedBy(const ProjectData& project) {
    return project.isEmpty() ? QStringLiteral("Расчёт выполнил:\t") + kBlank : QString();
}

QString noteSignatures(const ProjectData& project) {
    if (project.isEmpty())
        return {};
    const auto line = [&](const char* role, const QString& name) {
        return QString::fromUtf8(role) + QLatin1Char('\t') + filledOr(name, kBlank) +
               QLatin1Char('\t') + kBlank + QLatin1Char('\t') + noteDate(project);
    };
    return line("Разработал", project.developer) + QLatin1Char('\n') +
           line("Проверил", project.checker);
}
