// The text documents of a running Writer instance, found on its desktop and read back over UNO
// as a user would see them: their text, their graphics and their tables.
#pragma once

#include <QString>
#include <QStringList>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <vector>

class WriterDocuments {
public:
    using Document = css::uno::Reference<css::text::XTextDocument>;

    // Remembers the text documents open on desktop now.
    explicit WriterDocuments(css::uno::Reference<css::frame::XDesktop2> desktop);

    // Every text document open on desktop, in the desktop's order.
    static std::vector<Document> all(const css::uno::Reference<css::frame::XDesktop2>& desktop);
    // The text documents opened since, in the desktop's order.
    std::vector<Document> opened() const;
    // The one text document opened since; throws when there is none or more than one.
    Document openedOne() const;
    // Closes every text document opened since, without saving.
    void closeOpened() const;

    // The document as UTF-8 text, stored through scratchFile (the document stays untitled).
    static QString text(const Document& document, const QString& scratchFile);
    static int graphicCount(const Document& document);
    // The texts of each table's cells, row by row.
    static std::vector<std::vector<QStringList>> tables(const Document& document);
    static void close(const Document& document);

private:
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    std::vector<Document> m_before;
};
