#include "tests/support/WriterDocuments.h"

#include "report/WriterOffice.h"

#include <QFile>
#include <QFileInfo>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextGraphicObjectsSupplier.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <osl/file.hxx>

#include <algorithm>
#include <stdexcept>

using namespace com::sun::star;

namespace {

QString fromOUString(const rtl::OUString& s) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(s.getStr()), s.getLength());
}

} // namespace

WriterDocuments::WriterDocuments(uno::Reference<frame::XDesktop2> desktop)
    : m_desktop(std::move(desktop)), m_before(all(m_desktop)) {}

std::vector<WriterDocuments::Document>
WriterDocuments::all(const uno::Reference<frame::XDesktop2>& desktop) {
    std::vector<Document> documents;
    const uno::Reference<container::XEnumeration> components =
        desktop->getComponents()->createEnumeration();
    while (components->hasMoreElements()) {
        const Document document(components->nextElement(), uno::UNO_QUERY);
        if (document.is())
            documents.push_back(document);
    }
    return documents;
}

std::vector<WriterDocuments::Document> WriterDocuments::opened() const {
    std::vector<Document> documents = all(m_desktop);
    std::erase_if(documents, [&](const Document& d) {
        return std::find(m_before.begin(), m_before.end(), d) != m_before.end();
    });
    return documents;
}

WriterDocuments::Document WriterDocuments::openedOne() const {
    const std::vector<Document> documents = opened();
    if (documents.size() != 1)
        throw std::runtime_error(std::to_string(documents.size()) + " documents opened, not one");
    return documents.front();
}

void WriterDocuments::closeOpened() const {
    for (const Document& document : opened())
        close(document);
}

QString WriterDocuments::text(const Document& document, const QString& scratchFile) {
    rtl::OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(
            toOUString(QFileInfo(scratchFile).absoluteFilePath()), url) != osl::FileBase::E_None)
        throw std::runtime_error("no file URL for the scratch file");
    uno::Sequence<beans::PropertyValue> arguments(3);
    beans::PropertyValue* p = arguments.getArray();
    p[0].Name = "FilterName";
    p[0].Value <<= rtl::OUString("Text (encoded)");
    p[1].Name = "FilterOptions";
    p[1].Value <<= rtl::OUString("UTF8,LF,,,");
    p[2].Name = "Overwrite";
    p[2].Value <<= true;
    const uno::Reference<frame::XStorable> storable(document, uno::UNO_QUERY_THROW);
    storable->storeToURL(url, arguments);
    QFile file(scratchFile);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the stored text cannot be read");
    return QString::fromUtf8(file.readAll());
}

int WriterDocuments::graphicCount(const Document& document) {
    const uno::Reference<text::XTextGraphicObjectsSupplier> supplier(document,
                                                                     uno::UNO_QUERY_THROW);
    return int(supplier->getGraphicObjects()->getElementNames().getLength());
}

std::vector<std::vector<QStringList>> WriterDocuments::tables(const Document& document) {
    const uno::Reference<text::XTextTablesSupplier> supplier(document, uno::UNO_QUERY_THROW);
    const uno::Reference<container::XIndexAccess> all(supplier->getTextTables(),
                                                      uno::UNO_QUERY_THROW);
    std::vector<std::vector<QStringList>> result;
    for (sal_Int32 t = 0; t < all->getCount(); ++t) {
        const uno::Reference<text::XTextTable> table(all->getByIndex(t), uno::UNO_QUERY_THROW);
        const uno::Reference<table::XCellRange> cells(table, uno::UNO_QUERY_THROW);
        std::vector<QStringList>& rows = result.emplace_back();
        for (sal_Int32 r = 0; r < table->getRows()->getCount(); ++r) {
            QStringList& row = rows.emplace_back();
            for (sal_Int32 c = 0; c < table->getColumns()->getCount(); ++c) {
                const uno::Reference<text::XText> cell(cells->getCellByPosition(c, r),
                                                       uno::UNO_QUERY_THROW);
                row << fromOUString(cell->getString());
            }
        }
    }
    return result;
}

void WriterDocuments::close(const Document& document) {
    const uno::Reference<util::XCloseable> closeable(document, uno::UNO_QUERY_THROW);
    closeable->close(true);
}
