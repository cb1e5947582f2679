// The steps that bring design files of earlier versions up to the current one.
#include "design/DesignFileMigration.h"

#include "design/DesignFileError.h"

#include <QJsonValue>

namespace {

// A member of version 1 and its key in version 2. Version 1 named its members after the
// windows' controls.
struct Version1Member {
    const char* group;
    const char* key;
    const char* version2Key;
};

const Version1Member kVersion1Members[] = {
    {"wizard", "upperSoil", "upperSoil"},
    {"wizard", "lowerSoil", "lowerSoil"},
    {"wizard", "Label29", "climaticCoefficientVertical"},
    {"wizard", "Label28", "climaticCoefficientHorizontal"},
    {"wizard", "Edit5", "upperLayerThickness"},
    {"wizard", "Edit6", "horizontalDepth"},
    {"wizard", "Label27", "normalizedResistance"},
    {"wizard", "button1Enabled", "siteNextEnabled"},
    {"wizard", "arrangement", "arrangement"},
    {"wizard", "material", "material"},
    {"wizard", "Edit8", "electrodeSize"},
    {"wizard", "Edit9", "electrodeLength"},
    {"wizard", "Edit10", "stripWidth"},
    {"wizard", "Edit11", "electrodeSpacing"},
    {"wizard", "Label26", "utilizationHorizontal"},
    {"wizard", "Label16", "utilizationVertical"},
    {"wizard", "button3Enabled", "electrodesNextEnabled"},
    {"wizard", "page", "page"},
    {"dialogs", "Form2", "utilizationVerticalRowDialog"},
    {"dialogs", "Form3", "utilizationStripRowDialog"},
    {"dialogs", "Form4", "utilizationVerticalContourDialog"},
    {"dialogs", "Form5", "utilizationStripContourDialog"},
    {"dialogs", "Form6", "normalizedResistanceDialog"},
    {"dialogs", "Form7", "climaticDialog"},
    {"dialogs", "Form8", "horizontalClimaticDialog"},
};

const Version1Member* version1Member(const QString& group, const QString& key) {
    for (const Version1Member& m : kVersion1Members) {
        if (group == QLatin1String(m.group) && key == QLatin1String(m.key))
            return &m;
    }
    return nullptr;
}

} // namespace

DesignFileMigration::DesignFileMigration(QJsonObject document, int version)
    : m_document(std::move(document)) {
    if (version < 2)
        fromVersion1();
    m_document[QLatin1String("version")] = kCurrentVersion;
}

void DesignFileMigration::fromVersion1() {
    // The members of the two groups are renamed; what they hold, and the document around them,
    // stay as they were. A member that is missing is named as version 1 names it, too.
    for (const Version1Member& m : kVersion1Members)
        renamed(QStringLiteral("%1.%2").arg(QLatin1String(m.group), QLatin1String(m.key)),
                QStringLiteral("%1.%2").arg(QLatin1String(m.group), QLatin1String(m.version2Key)));
    for (const char* name : {"wizard", "dialogs"}) {
        const QString group = QString::fromLatin1(name);
        const QJsonValue value = m_document.value(group);
        if (!value.isObject())
            continue; // the reader names the fault
        const QJsonObject members = value.toObject();
        QJsonObject moved;
        for (auto it = members.begin(); it != members.end(); ++it) {
            // Anything else could take the place of a member that is renamed.
            const Version1Member* m = version1Member(group, it.key());
            if (!m)
                throw DesignFileError::unknownMember(group + u'.' + it.key());
            moved.insert(QString::fromLatin1(m->version2Key), it.value());
        }
        m_document.insert(group, moved);
    }
}

void DesignFileMigration::renamed(const QString& oldPath, const QString& newPath) {
    if (oldPath == newPath)
        return;
    const QString spelled = m_spelling.take(oldPath); // by an earlier step
    m_spelling.insert(newPath, spelled.isEmpty() ? oldPath : spelled);
}
