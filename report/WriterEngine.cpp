#include "report/WriterEngine.h"

#include "report/WriterOffice.h"

#include <QFileInfo>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/graphic/XGraphicProvider.hpp>
#include <com/sun/star/io/SequenceInputStream.hpp>
#include <com/sun/star/io/XInputStream.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/text/TableColumnSeparator.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>
#include <com/sun/star/util/XSearchable.hpp>
#include <osl/file.hxx>

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

using namespace com::sun::star;
using rtl::OUString;

namespace {

OUString fileUrl(const QString& path) {
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(toOUString(QFileInfo(path).absoluteFilePath()),
                                                url) != osl::FileBase::E_None)
        throw std::runtime_error("no file URL for the path");
    return url;
}

// Arguments of a load call, from name/value pairs.
uno::Sequence<beans::PropertyValue>
properties(std::initializer_list<std::pair<const char*, uno::Any>> values) {
    uno::Sequence<beans::PropertyValue> result(sal_Int32(values.size()));
    beans::PropertyValue* p = result.getArray();
    for (const auto& [name, value] : values) {
        p->Name = OUString::createFromAscii(name);
        p->Value = value;
        ++p;
    }
    return result;
}

// Runs f; a UNO exception, which is no std::exception, comes out as one with its message, so
// that the reason of the failure is kept.
template <class F> auto withReadableFailure(F&& f) {
    try {
        return f();
    } catch (const uno::Exception& e) {
        const rtl::OString message = rtl::OUStringToOString(e.Message, RTL_TEXTENCODING_UTF8);
        throw std::runtime_error("Writer: " + std::string(message.getStr(), message.getLength()));
    }
}

// A length in mm as UNO measures it, in 1/100 mm.
sal_Int32 hundredthsOfMm(double mm) {
    return sal_Int32(std::lround(mm * 100));
}

// The name of a table cell: column letter(s), then the row counted from 1.
OUString cellName(int column, int row) {
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return toOUString(name + QString::number(row + 1));
}

void setProperty(const uno::Reference<uno::XInterface>& object, const char* name,
                 const uno::Any& value) {
    const uno::Reference<beans::XPropertySet> properties(object, uno::UNO_QUERY_THROW);
    properties->setPropertyValue(OUString::createFromAscii(name), value);
}

// A graphic object of the PNG, anchored as a character, in place of the text of place.
void putPicture(const uno::Reference<text::XTextRange>& place,
                const uno::Reference<lang::XMultiServiceFactory>& factory,
                const uno::Reference<uno::XComponentContext>& office,
                const ReportPicture& picture) {
    // The bytes go to the office once, as a stream of its own.
    const uno::Sequence<sal_Int8> bytes(reinterpret_cast<const sal_Int8*>(picture.png.constData()),
                                        sal_Int32(picture.png.size()));
    const uno::Reference<io::XInputStream> stream(
        io::SequenceInputStream::createStreamFromSequence(office, bytes), uno::UNO_QUERY_THROW);
    const uno::Reference<graphic::XGraphic> graphic =
        graphic::GraphicProvider::create(office)->queryGraphic(
            properties({{"InputStream", uno::Any(stream)}}));
    if (!graphic.is())
        throw std::runtime_error("Writer does not read the picture");
    const uno::Reference<text::XTextContent> object(
        factory->createInstance(OUString("com.sun.star.text.TextGraphicObject")),
        uno::UNO_QUERY_THROW);
    setProperty(object, "AnchorType", uno::Any(text::TextContentAnchorType_AS_CHARACTER));
    setProperty(object, "Graphic", uno::Any(graphic));
    setProperty(object, "Size",
                uno::Any(awt::Size(hundredthsOfMm(picture.sizeMm.width()),
                                   hundredthsOfMm(picture.sizeMm.height()))));
    place->getText()->insertTextContent(place, object, true);
}

// A text table of the columns and rows in place of the text of place.
void putTable(const uno::Reference<text::XTextRange>& place,
              const uno::Reference<lang::XMultiServiceFactory>& factory, const ReportTable& table) {
    const auto columns = int(table.columns.size());
    const auto rows = int(table.rows.size()) + 1;
    const uno::Reference<text::XTextTable> made(
        factory->createInstance(OUString("com.sun.star.text.TextTable")), uno::UNO_QUERY_THROW);
    made->initialize(rows, columns);
    place->getText()->insertTextContent(
        place, uno::Reference<text::XTextContent>(made, uno::UNO_QUERY_THROW), true);

    // Every cell in one call.
    uno::Sequence<uno::Sequence<uno::Any>> data(rows);
    uno::Sequence<uno::Any>* row = data.getArray();
    const auto fillRow = [&](const auto& cellText) {
        uno::Sequence<uno::Any> cells(columns);
        uno::Any* cell = cells.getArray();
        for (int c = 0; c < columns; ++c)
            cell[c] <<= toOUString(cellText(c));
        *row++ = cells;
    };
    fillRow([&](int c) { return table.columns[std::size_t(c)].title; });
    for (const QStringList& cells : table.rows)
        fillRow([&](int c) { return c < cells.size() ? cells[c] : QString(); });
    const uno::Reference<sheet::XCellRangeData> all(made, uno::UNO_QUERY_THROW);
    all->setDataArray(data);

    const uno::Reference<table::XCellRange> range(made, uno::UNO_QUERY_THROW);
    const auto cellsOf = [&](int firstColumn, int firstRow, int lastColumn, int lastRow) {
        return range->getCellRangeByName(cellName(firstColumn, firstRow) + ":" +
                                         cellName(lastColumn, lastRow));
    };
    setProperty(cellsOf(0, 0, columns - 1, rows - 1), "CharHeight", uno::Any(float(table.fontPt)));
    const uno::Reference<uno::XInterface> heading = cellsOf(0, 0, columns - 1, 0);
    setProperty(heading, "CharWeight", uno::Any(awt::FontWeight::BOLD));
    setProperty(heading, "ParaAdjust", uno::Any(sal_Int16(style::ParagraphAdjust_CENTER)));
    for (int c = 0; c < columns && rows > 1; ++c)
        if (table.columns[std::size_t(c)].alignRight)
            setProperty(cellsOf(c, 1, c, rows - 1), "ParaAdjust",
                        uno::Any(sal_Int16(style::ParagraphAdjust_RIGHT)));
    setProperty(made, "RepeatHeadline", uno::Any(true));

    // The columns' widths, as shares of the table's width.
    const uno::Reference<beans::XPropertySet> tableProperties(made, uno::UNO_QUERY_THROW);
    double total = 0;
    for (const ReportColumn& column : table.columns)
        total += column.widthMm;
    uno::Sequence<text::TableColumnSeparator> separators;
    if (total > 0 &&
        (tableProperties->getPropertyValue(OUString("TableColumnSeparators")) >>= separators) &&
        separators.getLength() == columns - 1) {
        sal_Int16 sum = 0;
        tableProperties->getPropertyValue(OUString("TableColumnRelativeSum")) >>= sum;
        text::TableColumnSeparator* separator = separators.getArray();
        double edge = 0;
        for (int c = 0; c + 1 < columns; ++c) {
            edge += table.columns[std::size_t(c)].widthMm;
            separator[c].Position = sal_Int16(std::lround(edge / total * sum));
        }
        tableProperties->setPropertyValue(OUString("TableColumnSeparators"), uno::Any(separators));
    }
}

} // namespace

// Every call on these is a round trip to Writer: the insertion point is kept as a text range of
// the document (not the view's cursor), and the view does not follow the replacements while the
// document is filled (its controllers are locked until it is shown).
struct WriterEngine::Document {
    uno::Reference<text::XTextDocument> text;
    uno::Reference<frame::XModel> model;
    // The insertion point is after this range; none: the start of the whole text. Its end is
    // asked for only by a search that goes on from it (every call is a round trip to Writer).
    uno::Reference<text::XTextRange> lastFound;
    uno::Reference<awt::XWindow> window;
    bool locked = false;
    // One search, made once per document: each replacement then only sets its key (every call
    // is a round trip to Writer).
    uno::Reference<util::XSearchable> searchable;
    uno::Reference<util::XSearchDescriptor> search;
};

WriterEngine::WriterEngine(std::shared_ptr<WriterOffice> office) : m_office(std::move(office)) {}

WriterEngine::~WriterEngine() = default;

void WriterEngine::create() {
    withReadableFailure([&] { m_office->desktop(); });
    m_created = true;
}

void WriterEngine::setVisible(bool visible) {
    if (!m_created)
        throw std::runtime_error("Writer is not started");
    if (!m_document)
        return;
    if (visible && m_document->locked) {
        m_document->model->unlockControllers();
        m_document->locked = false;
    }
    m_document->window->setVisible(visible);
}

void WriterEngine::openDocument(const QString& fileName) {
    if (!m_created)
        throw std::runtime_error("Writer is not started");
    if (!QFileInfo(fileName).isFile())
        throw std::runtime_error("the document does not exist");
    withReadableFailure([&] { load(fileName); });
}

void WriterEngine::load(const QString& fileName) {
    const uno::Reference<frame::XComponentLoader> loader(m_office->desktop(), uno::UNO_QUERY_THROW);
    const uno::Sequence<beans::PropertyValue> arguments =
        properties({{"Hidden", uno::Any(true)}, {"AsTemplate", uno::Any(true)}});
    const uno::Reference<lang::XComponent> component =
        loader->loadComponentFromURL(fileUrl(fileName), OUString("_blank"), 0, arguments);
    auto document = std::make_unique<Document>();
    document->text.set(component, uno::UNO_QUERY_THROW);
    document->model.set(component, uno::UNO_QUERY_THROW);
    document->window = document->model->getCurrentController()->getFrame()->getContainerWindow();
    document->searchable.set(component, uno::UNO_QUERY_THROW);
    document->search = document->searchable->createSearchDescriptor();
    const uno::Reference<beans::XPropertySet> options(document->search, uno::UNO_QUERY_THROW);
    options->setPropertyValue(OUString("SearchCaseSensitive"), uno::Any(true));
    options->setPropertyValue(OUString("SearchRegularExpression"), uno::Any(false));
    document->model->lockControllers();
    document->locked = true;
    m_document = std::move(document);
}

void WriterEngine::goToStart() {
    if (!m_document)
        throw std::runtime_error("no document is open");
    m_document->lastFound.clear();
}

template <class Put> bool WriterEngine::replaceFound(const QString& key, Put&& put) {
    if (!m_document)
        throw std::runtime_error("no document is open");
    return withReadableFailure([&] {
        m_document->search->setSearchString(toOUString(key));
        // From the start of the whole text, also when it begins with a table.
        const uno::Reference<text::XTextRange> found(
            m_document->lastFound.is() ? m_document->searchable->findNext(
                                             m_document->lastFound->getEnd(), m_document->search)
                                       : m_document->searchable->findFirst(m_document->search),
            uno::UNO_QUERY);
        if (!found.is())
            return false;
        put(found);
        m_document->lastFound = found;
        return true;
    });
}

bool WriterEngine::findReplace(const QString& key, const QString& value) {
    return replaceFound(key, [&](const uno::Reference<text::XTextRange>& found) {
        found->setString(toOUString(value));
    });
}

bool WriterEngine::replaceWithPicture(const QString& key, const ReportPicture& picture) {
    return replaceFound(key, [&](const uno::Reference<text::XTextRange>& found) {
        if (picture.png.isEmpty()) {
            found->setString(OUString());
            return;
        }
        const uno::Reference<lang::XMultiServiceFactory> factory(m_document->text,
                                                                 uno::UNO_QUERY_THROW);
        putPicture(found, factory, m_office->context(), picture);
    });
}

bool WriterEngine::replaceWithTable(const QString& key, const ReportTable& table) {
    return replaceFound(key, [&](const uno::Reference<text::XTextRange>& found) {
        if (table.columns.empty()) {
            found->setString(OUString());
            return;
        }
        const uno::Reference<lang::XMultiServiceFactory> factory(m_document->text,
                                                                 uno::UNO_QUERY_THROW);
        putTable(found, factory, table);
    });
}

bool WriterEngine::removeParagraph(const QString& key) {
    return replaceFound(key, [&](const uno::Reference<text::XTextRange>& found) {
        const uno::Reference<text::XTextCursor> cursor =
            found->getText()->createTextCursorByRange(found);
        const uno::Reference<text::XParagraphCursor> paragraph(cursor, uno::UNO_QUERY_THROW);
        paragraph->gotoStartOfParagraph(false);
        paragraph->gotoEndOfParagraph(true);
        if (cursor->getString() != toOUString(key)) {
            found->setString(OUString());
            return;
        }
        // With the paragraph break after it; the document's last paragraph with the one before.
        if (!cursor->goRight(1, true)) {
            cursor->collapseToEnd();
            paragraph->gotoStartOfParagraph(true);
            cursor->goLeft(1, true);
        }
        cursor->setString(OUString());
    });
}

bool WriterEngine::documentOpen() {
    if (!m_document || !m_office->alive())
        return false;
    try {
        return m_document->model->getCurrentController().is();
    } catch (const uno::Exception&) {
        return false;
    }
}

void WriterEngine::closeDocument() {
    const std::unique_ptr<Document> document = std::move(m_document);
    if (!document)
        return;
    withReadableFailure([&] {
        const uno::Reference<util::XCloseable> closeable(document->model, uno::UNO_QUERY_THROW);
        closeable->close(true);
    });
}
