#include "report/WriterEngine.h"

#include "report/WriterOffice.h"

#include <QFileInfo>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>
#include <com/sun/star/util/XSearchable.hpp>
#include <osl/file.hxx>

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

// Arguments of a load or store call, from name/value pairs.
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

} // namespace

// Every call on these is a round trip to Writer: the insertion point is kept as a text range of
// the document (not the view's cursor), and the view does not follow the replacements while the
// document is filled (its controllers are locked until it is shown).
struct WriterEngine::Document {
    uno::Reference<text::XTextDocument> text;
    uno::Reference<frame::XModel> model;
    uno::Reference<text::XText> body;
    uno::Reference<text::XTextRange> insertionPoint;
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
    document->body = document->text->getText();
    document->insertionPoint = document->body->getStart();
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
    // The start of the whole text, also when it begins with a table.
    m_document->insertionPoint = m_document->body->getStart();
}

bool WriterEngine::findReplace(const QString& key, const QString& value) {
    if (!m_document)
        throw std::runtime_error("no document is open");
    m_document->search->setSearchString(toOUString(key));
    const uno::Reference<text::XTextRange> found(
        m_document->searchable->findNext(m_document->insertionPoint, m_document->search),
        uno::UNO_QUERY);
    if (!found.is())
        return false;
    found->setString(toOUString(value));
    m_document->insertionPoint = found->getEnd();
    return true;
}

void WriterEngine::storeAsText(const QString& fileName) const {
    if (!m_document)
        throw std::runtime_error("no document is open");
    const uno::Reference<frame::XStorable> storable(m_document->text, uno::UNO_QUERY_THROW);
    const uno::Sequence<beans::PropertyValue> arguments =
        properties({{"FilterName", uno::Any(OUString("Text (encoded)"))},
                    {"FilterOptions", uno::Any(OUString("UTF8,LF,,,"))},
                    {"Overwrite", uno::Any(true)}});
    storable->storeToURL(fileUrl(fileName), arguments);
}

void WriterEngine::closeDocument() {
    if (!m_document)
        return;
    const uno::Reference<util::XCloseable> closeable(m_document->text, uno::UNO_QUERY);
    m_document.reset();
    if (closeable.is())
        closeable->close(true);
}
