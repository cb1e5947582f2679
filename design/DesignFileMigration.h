// Design files of earlier versions, brought up to the version that is read, before it is read.
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>

class DesignFileMigration {
public:
    // The version that is written, and the only one that the reader reads.
    static constexpr int kCurrentVersion = 2;

    // Brings document, of the given version (1 to kCurrentVersion), up to kCurrentVersion, one
    // version a step; each step renames and moves members, and leaves checking them to the
    // reader. Throws DesignFileError (without a path) for a member that its version does not
    // have.
    DesignFileMigration(QJsonObject document, int version);

    const QJsonObject& document() const { return m_document; }
    // The path of a member as the file spells it, e.g. "wizard.Edit5" for
    // "wizard.upperLayerThickness" in a file of version 1, so that a fault is named as the person
    // finds it in the file.
    QString spelled(const QString& path) const { return m_spelling.value(path, path); }

private:
    void fromVersion1();
    // Renames the member at oldPath, remembering how the file spells it.
    void renamed(const QString& oldPath, const QString& newPath);

    QJsonObject m_document;
    QHash<QString, QString> m_spelling; // path now → path in the file
};
