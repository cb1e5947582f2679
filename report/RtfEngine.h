// The word processor built into the program: fills an RTF document itself and hands the result
// to the desktop's own application for RTF files.
#pragma once

#include "report/DocumentEngine.h"
#include "report/RtfDocument.h"

#include <QString>
#include <functional>
#include <optional>

class RtfEngine : public DocumentEngine {
public:
    // Opens a written document for the user; false when it could not.
    using Opener = std::function<bool(const QString& fileName)>;

    // outputDir: the folder where shown documents are written, each to a new file.
    RtfEngine(QString outputDir, Opener opener);

    void create() override;
    // Showing writes the document to a new file "Отчёт <date> <time>.rtf" in the output folder
    // (once per document) and opens it; hiding has nothing to hide.
    void setVisible(bool visible) override;
    // Reads the file; the file itself is never written.
    void openDocument(const QString& fileName) override;
    void goToStart() override;
    bool findReplace(const QString& key, const QString& value) override;
    // The picture as PNG inside the document, the table as RTF rows (see RtfContent).
    bool replaceWithPicture(const QString& key, const ReportPicture& picture) override;
    bool replaceWithTable(const QString& key, const ReportTable& table) override;
    bool removeParagraph(const QString& key) override;

    // The active document; throws when none is open.
    const RtfDocument& document() const;

private:
    RtfDocument& active();
    // Moves the insertion point after a replacement that ends at offset after; whether it was made.
    bool replaced(qsizetype after);
    QString writeNewFile() const;

    QString m_outputDir;
    Opener m_opener;
    std::optional<RtfDocument> m_document;
    qsizetype m_position = 0; // the insertion point, as a byte offset
    QString m_shownFile;      // the file the document was written to when shown; empty before
};
