// The drawing sheet as a PDF page.
#include "documents/DrawingSheetPdf.h"

#include "documents/DocumentSave.h"
#include "documents/SheetPainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kDpi = 1200;

} // namespace

QByteArray drawingSheetPdf(const DrawingSheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kDpi);
    pdf.setTitle(QStringLiteral("Схема заземляющего устройства"));
    pdf.setCreator(QStringLiteral("Корвела"));
    const QPageSize::PageSizeId paper = sheet.page.width() > 300 ? QPageSize::A3 : QPageSize::A4;
    pdf.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    QPainter p(&pdf);
    const SheetPainter painter(p, kDpi / 25.4);
    for (const SheetLine& line : sheet.lines)
        painter.drawLine(line);
    for (const SheetCell& c : sheet.cells)
        painter.drawCell(c);
    painter.drawView(sheet.plan);
    painter.drawView(sheet.section);
    p.end();
    return bytes;
}

void saveDrawingSheet(const QString& path, const DesignState& state,
                      const SteelThickness& thickness, const NumberText& numbers,
                      const ProjectData& project, SheetSize size) {
    saveDocument(path, drawingSheetPdf(drawingSheet(state, thickness, numbers, project, size)));
}
