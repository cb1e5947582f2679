// LibreOffice Writer as the report's word processor, driven over UNO.
#pragma once

#include "report/DocumentEngine.h"

#include <QString>
#include <memory>

class WriterOffice;

class WriterEngine : public DocumentEngine {
public:
    // office: the instance this program started, shared by every engine of the run.
    explicit WriterEngine(std::shared_ptr<WriterOffice> office);
    ~WriterEngine() override;

    // Connects to the running instance, or starts one.
    void create() override;
    // Shows or hides the document's window.
    void setVisible(bool visible) override;
    // Loads the file as an untitled copy: saving it never overwrites the file.
    void openDocument(const QString& fileName) override;
    void goToStart() override;
    // Case-sensitive, no regular expressions.
    bool findReplace(const QString& key, const QString& value) override;
    // The picture as a graphic object anchored as a character, at its size; the table as a text
    // table across the text's width, its heading row bold and repeated on each page.
    bool replaceWithPicture(const QString& key, const ReportPicture& picture) override;
    bool replaceWithTable(const QString& key, const ReportTable& table) override;
    bool removeParagraph(const QString& key) override;
    // Whether the document loaded is still open in Writer.
    bool documentOpen() override;
    void closeDocument() override;

private:
    struct Document;

    void load(const QString& fileName);
    // Finds key from the insertion point; when found, has put replace it (given its range) and
    // moves the insertion point after it.
    template <class Put> bool replaceFound(const QString& key, Put&& put);

    std::shared_ptr<WriterOffice> m_office;
    std::unique_ptr<Document> m_document;
    bool m_created = false;
};
