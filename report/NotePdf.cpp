#include "report/NotePdf.h"

#include "base/Messages.h"
#include "report/EngineFailure.h"
#include "report/RtfNoteReader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// The Liberation family that stands in for a font of the note.
QString liberationFamily(const QTextCharFormat& f) {
    switch (f.fontStyleHint()) {
    case QFont::SansSerif:
        return QStringLiteral("Liberation Sans");
    case QFont::TypeWriter:
        return QStringLiteral("Liberation Mono");
    case QFont::Serif:
        return QStringLiteral("Liberation Serif");
    default:
        break;
    }
    const QString name = f.fontFamilies().toStringList().value(0).toLower();
    if (name.contains(QLatin1String("courier")) || name.contains(QLatin1String("mono")))
        return QStringLiteral("Liberation Mono");
    if (name.contains(QLatin1String("arial")) || name.contains(QLatin1String("helvetica")) ||
        name.contains(QLatin1String("sans")))
        return QStringLiteral("Liberation Sans");
    return QStringLiteral("Liberation Serif");
}

// Where the text of a block's first or last line stands, in document pixels (a block in a table
// cell included: its layout's own position is within the cell).
qreal lineTop(const QTextBlock& block, bool last) {
    const qreal top = block.document()->documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return top;
    const QTextLine line = layout->lineAt(last ? layout->lineCount() - 1 : 0);
    return top + line.y();
}

bool inRootFrame(const QTextBlock& block) {
    return QTextCursor(block).currentFrame() == block.document()->rootFrame();
}

} // namespace

NotePdf::NotePdf(const QTextDocument& note)
    : NotePdf(std::unique_ptr<QTextDocument>(note.clone())) {}

NotePdf::NotePdf(const QByteArray& filledRtf) : NotePdf(RtfNoteReader::read(filledRtf)) {}

NotePdf::NotePdf(std::unique_ptr<QTextDocument> note) : m_doc(std::move(note)) {
    layOut();
}

NotePdf::~NotePdf() = default;

void NotePdf::warmUp() {
    auto note = std::make_unique<QTextDocument>();
    QTextCursor cursor(note.get());
    // Each family in the styles of the note's headings, text, formulas and tables, with Cyrillic,
    // Greek and the signs that only DejaVu has.
    const QString text = QStringLiteral("Расчёт ρ = 100 Ом·м, ⌀16, δп = 4 мм; R ≤ 4 Ом.\t1");
    for (const char* family : {"Times New Roman", "Arial", "Courier New"}) {
        for (const bool bold : {false, true}) {
            for (const bool italic : {false, true}) {
                QTextCharFormat f;
                f.setFontFamilies(QStringList{QString::fromLatin1(family)});
                f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
                f.setFontItalic(italic);
                f.setFontPointSize(bold ? 14 : 12);
                cursor.insertText(text, f);
                cursor.insertBlock();
            }
        }
    }
    cursor.insertTable(2, 2);
    cursor.insertText(text);
    QBuffer memory;
    memory.open(QIODevice::WriteOnly);
    NotePdf(std::move(note)).write(memory);
}

void NotePdf::layOut() {
    m_dpi = RtfNoteReader::pixelsPerInch();
    // Fonts: collected first, since merging formats rearranges the fragments.
    struct Span {
        int begin, end;
        QString family;
    };
    std::vector<Span> spans;
    std::vector<std::pair<int, QString>> blockFamilies;
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        blockFamilies.emplace_back(b.position(), liberationFamily(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            spans.push_back(
                {f.position(), f.position() + f.length(), liberationFamily(f.charFormat())});
        }
    }
    QTextCursor cursor(m_doc.get());
    for (const Span& s : spans) {
        cursor.setPosition(s.begin);
        cursor.setPosition(s.end, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setFontFamilies(QStringList{s.family});
        cursor.mergeCharFormat(f);
    }
    for (const auto& [position, family] : blockFamilies) {
        cursor.setPosition(position);
        QTextCharFormat f;
        f.setFontFamilies(QStringList{family});
        cursor.mergeBlockCharFormat(f);
    }
    QFont base(QStringLiteral("Liberation Serif"));
    base.setPointSizeF(12);
    m_doc->setDefaultFont(base);

    // A4, at the layout's resolution.
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch) * m_dpi;
    m_pageHeight = a4.height();
    // Margins made for larger paper that leave no room on A4: 2 cm each.
    QTextFrameFormat page = m_doc->rootFrame()->frameFormat();
    if (page.leftMargin() + page.rightMargin() > a4.width() - m_dpi ||
        page.topMargin() + page.bottomMargin() > a4.height() - m_dpi) {
        page.setMargin(m_dpi * 2 / 2.54);
        page.setLeftMargin(page.margin());
        page.setRightMargin(page.margin());
        page.setTopMargin(page.margin());
        page.setBottomMargin(page.margin());
        m_doc->rootFrame()->setFrameFormat(page);
    }
    m_doc->setUseDesignMetrics(true);
    m_doc->setPageSize(a4);
    keepWithNext();
}

void NotePdf::keepWithNext() {
    QAbstractTextDocumentLayout* layout = m_doc->documentLayout();
    const auto pageOf = [&](qreal y) { return int(std::floor(y / m_pageHeight)); };
    const qreal topMargin = m_doc->rootFrame()->frameFormat().topMargin();
    // Each round moves the paragraphs that end a page while the next one starts the following
    // page; a chain of headings moves one by one.
    for (int round = 0; round < 16; ++round) {
        layout->documentSize(); // lays the document out
        bool moved = false;
        for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
            const QTextBlock next = b.next();
            if (!next.isValid() || !b.blockFormat().boolProperty(RtfNoteReader::KeepWithNext) ||
                !inRootFrame(b) ||
                b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            const qreal first = lineTop(b, false);
            const int page = pageOf(first);
            // First on its page already: moving it would not bring it nearer.
            if (first - page * m_pageHeight <= topMargin + 1 || pageOf(lineTop(b, true)) != page ||
                pageOf(lineTop(next, false)) == page)
                continue;
            QTextBlockFormat f;
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).mergeBlockFormat(f);
            moved = true;
            break;
        }
        if (!moved)
            moved = keepTableTogether();
        if (!moved)
            return;
    }
}

bool NotePdf::keepTableTogether() {
    QAbstractTextDocumentLayout* layout = m_doc->documentLayout();
    const QTextFrameFormat page = m_doc->rootFrame()->frameFormat();
    const qreal room = m_pageHeight - page.topMargin() - page.bottomMargin();
    const auto pageOf = [&](qreal y) { return int(std::floor(y / m_pageHeight)); };
    for (QTextFrame* frame : m_doc->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        const QRectF box = layout->frameBoundingRect(table);
        const qreal top = lineTop(table->cellAt(0, 0).firstCursorPosition().block(), false);
        const qreal bottom =
            lineTop(table->cellAt(table->rows() - 1, 0).lastCursorPosition().block(), true);
        // A table that fits on a page starts a page rather than leave a row cut in two.
        if (pageOf(top) == pageOf(bottom) || box.height() >= room ||
            top - pageOf(top) * m_pageHeight <= page.topMargin() + 1)
            continue;
        // The heading kept with the table goes with it (over an empty paragraph between them).
        QTextBlock lead;
        for (QTextBlock b = m_doc->findBlock(table->firstPosition()).previous();
             b.isValid() && inRootFrame(b); b = b.previous()) {
            const bool keeps = b.blockFormat().boolProperty(RtfNoteReader::KeepWithNext);
            if (!keeps && !(b.text().isEmpty() && !lead.isValid()))
                break;
            if (keeps)
                lead = b;
        }
        if (lead.isValid()) {
            QTextBlockFormat f;
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(lead).mergeBlockFormat(f);
        } else {
            QTextTableFormat f = table->format();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(f);
        }
        return true;
    }
    return false;
}

void NotePdf::drawLeaders(QPainter& painter, int page) const {
    QAbstractTextDocumentLayout* layout = m_doc->documentLayout();
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        if (!b.blockFormat().boolProperty(RtfNoteReader::DotLeader) || !b.layout())
            continue;
        const QTextLayout* text = b.layout();
        // The block's origin in the document, wherever its frame stands.
        const QPointF origin =
            layout->blockBoundingRect(b).topLeft() - text->boundingRect().topLeft();
        const QString s = b.text();
        for (qsizetype i = s.indexOf(QLatin1Char('\t')); i >= 0;
             i = s.indexOf(QLatin1Char('\t'), i + 1)) {
            const QTextLine line = text->lineForTextPosition(int(i));
            if (!line.isValid())
                continue;
            const qreal y = origin.y() + line.y() + line.ascent();
            if (int(std::floor(y / m_pageHeight)) != page)
                continue;
            const qreal step = line.ascent() * 0.4;
            const qreal from = origin.x() + line.cursorToX(int(i)) + step;
            const qreal to = origin.x() + line.cursorToX(int(i) + 1) - step;
            // Dots on a grid, so that the dots of lines above one another line up.
            const qreal start = std::ceil(from / step) * step;
            if (to - start < step)
                continue;
            QPen pen(Qt::black, line.ascent() * 0.09, Qt::CustomDashLine, Qt::RoundCap);
            pen.setDashPattern({0.0, step / pen.widthF()});
            painter.setPen(pen);
            painter.drawLine(QPointF(start, y),
                             QPointF(start + std::floor((to - start) / step) * step, y));
        }
    }
}

void NotePdf::write(QIODevice& device) const {
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(kNotePdfTitle);
    writer.setCreator(kApplicationTitle);
    QPainter painter;
    if (!painter.begin(&writer))
        throw std::runtime_error("the PDF cannot be painted");
    const qreal scale = writer.resolution() / m_dpi;
    const QSizeF page = m_doc->pageSize();
    const qreal bottomMargin = m_doc->rootFrame()->frameFormat().bottomMargin();
    QFont numberFont(QStringLiteral("Liberation Serif"));
    numberFont.setPointSizeF(10);
    const int pages = m_doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        m_doc->documentLayout()->draw(&painter, context);
        drawLeaders(painter, i);
        painter.restore();
        // The page number in the middle of the bottom margin.
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        const qreal bottom = page.height() * scale;
        painter.drawText(
            QRectF(0, bottom - bottomMargin * scale, page.width() * scale, bottomMargin * scale),
            Qt::AlignCenter, QString::number(i + 1));
    }
    if (!painter.end())
        throw std::runtime_error("the PDF cannot be finished");
}

void NotePdf::save(const QString& fileName) const {
    const QString path = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineFailure(EngineFailure::Kind::NotWritten, file.errorString(), path);
    try {
        write(file);
    } catch (const std::runtime_error& e) {
        file.cancelWriting();
        throw EngineFailure(EngineFailure::Kind::NotWritten, QString::fromUtf8(e.what()), path);
    }
    if (!file.commit())
        throw EngineFailure(EngineFailure::Kind::NotWritten, file.errorString(), path);
}
