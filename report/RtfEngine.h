// The word processor built into the program: fills an RTF document itself, in memory; whoever
// made it takes the filled document from document().
#pragma once

#include "report/DocumentEngine.h"
#include "report/RtfDocument.h"

#include <QString>
#include <optional>

class RtfEngine : public DocumentEngine {
public:
    void create() override;
    // There is no window: showing and hiding do nothing.
    void setVisible(bool visible) override;
    // Reads the file; the file itself is never written.
    void openDocument(const QString& fileName) override;
    void goToStart() override;
    bool findReplace(const QString& key, const QString& value) override;
    // The picture as PNG inside the document, the table as RTF rows (see RtfContent).
    bool replaceWithPicture(const QString& key, const ReportPicture& picture) override;
    bool replaceWithTable(const QString& key, const ReportTable& table) override;
    bool removeParagraph(const QString& key) override;
    // Whether a document has been read and not closed.
    bool documentOpen() override;
    void closeDocument() override;

    // The active document; throws when none is open.
    const RtfDocument& document() const;

private:
    RtfDocument& active();
    // Moves the insertion point after a replacement that ends at offset after; whether it was made.
    bool replaced(qsizetype after);

    std::optional<RtfDocument> m_document;
    qsizetype m_position = 0; // the insertion point, as a byte offset
};
