// The drawing sheet as DXF (R2000) for CAD programs.
#include "documents/SchemeDxf.h"

#include "base/Errors.h"
#include "documents/DocumentSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <dxflib/dl_dxf.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace {

const std::string kFrameLayer = dxfText(QStringLiteral("Рамка"));
const char* const kSectionBlock = "SECTION_VIEW";
const char* const kStyle = "Standard";

// The dimension style, millimetres on paper; model space multiplies them by the view's scale.
constexpr double kArrowMm = 2.5;
constexpr double kExtensionBeyondMm = 1.5;
constexpr double kExtensionOffsetMm = 1.0;
constexpr double kTextGapMm = 1.0;
constexpr double kDimensionTextMm = 3.7 * 0.72;

// The block of the n-th dimension's picture.
std::string dimensionBlock(int n) {
    return "*D" + std::to_string(n);
}

std::string layerName(SchemeLayer layer) {
    switch (layer) {
    case SchemeLayer::Electrodes:
        return dxfText(QStringLiteral("Заземлители"));
    case SchemeLayer::Strip:
        return dxfText(QStringLiteral("Полоса"));
    case SchemeLayer::Dimensions:
        return dxfText(QStringLiteral("Размеры"));
    case SchemeLayer::Text:
        return dxfText(QStringLiteral("Текст"));
    case SchemeLayer::Soil:
        return dxfText(QStringLiteral("Грунт"));
    }
    return "0";
}

DL_Attributes on(const std::string& layer, int lineweight = -1) {
    return DL_Attributes(layer, 256, lineweight, "BYLAYER", 1.0);
}

// Paper millimetres of the sheet to model space, through the plan's scale and origin.
struct PaperToModel {
    double scale = 100;
    QPointF origin;
    QPointF operator()(QPointF paper) const {
        return {(paper.x() - origin.x()) * scale, (origin.y() - paper.y()) * scale};
    }
};

class Writer {
public:
    Writer(DL_Dxf& dxf, DL_WriterA& dw) : m_dxf(dxf), m_dw(dw) {}

    void line(QPointF a, QPointF b, const DL_Attributes& at) {
        m_dxf.writeLine(m_dw, DL_LineData(a.x(), a.y(), 0, b.x(), b.y(), 0), at);
    }
    void polyline(const QPolygonF& points, bool closed, const DL_Attributes& at) {
        m_dxf.writePolyline(
            m_dw, DL_PolylineData(static_cast<int>(points.size()), 0, 0, closed ? 1 : 0), at);
        for (const QPointF& p : points)
            m_dxf.writeVertex(m_dw, DL_VertexData(p.x(), p.y(), 0, 0));
        m_dxf.writePolylineEnd(m_dw);
    }
    // A text of height (CAD's, about the capitals) centred or left-aligned at a point.
    void text(QPointF at, double height, const QString& s, bool centred,
              const DL_Attributes& attributes) {
        if (s.trimmed().isEmpty() || !(height > 0))
            return;
        m_dxf.writeText(m_dw,
                        DL_TextData(at.x(), at.y(), 0, at.x(), at.y(), 0, height, 1.0, 0,
                                    centred ? 1 : 0, 2, dxfText(s), kStyle, 0),
                        attributes);
    }

    // The view's paths, circles, dimensions and texts; its dimensions' pictures are the blocks
    // from firstBlock on (see dimensionPictures).
    void view(const SchemeViewGeometry& v, double denominator, int firstBlock) {
        for (const ViewPath& p : v.paths)
            polyline(p.points, p.closed,
                     on(layerName(p.layer), p.layer == SchemeLayer::Strip ? 50 : 25));
        for (const ViewCircle& c : v.circles)
            m_dxf.writeCircle(m_dw, DL_CircleData(c.centre.x(), c.centre.y(), 0, c.radius),
                              on(layerName(SchemeLayer::Electrodes)));
        for (const ViewDimension& d : v.dimensions)
            dimension(d, denominator, firstBlock++);
        for (const ViewText& t : v.texts)
            text(t.at, t.height * 0.72, t.text, true, on(layerName(SchemeLayer::Text)));
    }

    // The blocks of the pictures of the view's dimensions, numbered from firstBlock: the
    // dimension line with its arrows, the extension lines and the text, as CAD programs show a
    // dimension until they draw it again themselves.
    void dimensionPictures(const SchemeViewGeometry& v, double denominator, int firstBlock) {
        const DL_Attributes at = on(layerName(SchemeLayer::Dimensions));
        for (const ViewDimension& d : v.dimensions) {
            const std::string name = dimensionBlock(firstBlock++);
            m_dxf.writeBlock(m_dw, DL_BlockData(name, 1, 0.0, 0.0, 0.0));
            const auto [a, b] = dimensionLine(d);
            for (const auto& [point, end] : {std::pair{d.from, a}, std::pair{d.to, b}}) {
                const QPointF along = end - point;
                const double length = std::hypot(along.x(), along.y());
                if (length > kExtensionOffsetMm * denominator) {
                    const QPointF u = along / length;
                    line(point + u * kExtensionOffsetMm * denominator,
                         end + u * kExtensionBeyondMm * denominator, at);
                }
            }
            line(a, b, at);
            const QPointF ab = b - a;
            const double length = std::hypot(ab.x(), ab.y());
            if (length > 0) {
                const QPointF u = ab / length;
                const double arrow = kArrowMm * denominator;
                // Arrows that do not fit between the extension lines point at them from outside.
                const double inside = length >= 2.5 * arrow ? 1 : -1;
                for (const auto& [tip, inward] : {std::pair{a, u}, std::pair{b, -u}}) {
                    const QPointF base = tip + inward * arrow * inside;
                    const QPointF side(-inward.y() * arrow / 6, inward.x() * arrow / 6);
                    const QPointF l = base + side, r = base - side;
                    m_dxf.writeSolid(m_dw,
                                     DL_SolidData(tip.x(), tip.y(), 0, l.x(), l.y(), 0, r.x(),
                                                  r.y(), 0, r.x(), r.y(), 0),
                                     at);
                }
            }
            text(d.textAt, kDimensionTextMm * denominator, d.text, true, at);
            m_dxf.writeEndBlock(m_dw, name);
        }
    }

private:
    // The ends of the dimension line: the measured points carried to the line's place.
    static std::pair<QPointF, QPointF> dimensionLine(const ViewDimension& d) {
        if (d.vertical)
            return {{d.line.x(), d.from.y()}, {d.line.x(), d.to.y()}};
        return {{d.from.x(), d.line.y()}, {d.to.x(), d.line.y()}};
    }

    // A linear dimension that CAD programs can edit, with the block of its picture: dxflib's
    // DIMENSION names no block, which programs that draw from the block cannot show.
    void dimension(const ViewDimension& d, double denominator, int block) {
        const auto [a, b] = dimensionLine(d);
        const QPointF definition = b;
        const DL_DimensionData data(definition.x(), definition.y(), 0, d.textAt.x(), d.textAt.y(),
                                    0, 0, 5, 1, 1.0, dxfText(d.text), kStyle, 0, 1.0, denominator);
        const double measured =
            d.vertical ? std::abs(d.to.y() - d.from.y()) : std::abs(d.to.x() - d.from.x());
        m_dw.entity("DIMENSION");
        m_dw.subClass("AcDbEntity");
        m_dw.entityAttributes(on(layerName(SchemeLayer::Dimensions)));
        m_dw.subClass("AcDbDimension");
        m_dw.dxfString(2, dimensionBlock(block));
        m_dw.dxfReal(10, data.dpx);
        m_dw.dxfReal(20, data.dpy);
        m_dw.dxfReal(30, 0.0);
        m_dw.dxfReal(11, data.mpx);
        m_dw.dxfReal(21, data.mpy);
        m_dw.dxfReal(31, 0.0);
        m_dw.dxfInt(70, 32); // rotated, horizontal or vertical, with a block of its own
        m_dw.dxfInt(71, data.attachmentPoint);
        m_dw.dxfInt(72, data.lineSpacingStyle);
        m_dw.dxfReal(41, data.lineSpacingFactor);
        m_dw.dxfReal(42, measured);
        m_dw.dxfString(1, data.text);
        m_dw.dxfString(3, data.style);
        m_dw.subClass("AcDbAlignedDimension");
        m_dw.dxfReal(13, d.from.x());
        m_dw.dxfReal(23, d.from.y());
        m_dw.dxfReal(33, 0.0);
        m_dw.dxfReal(14, d.to.x());
        m_dw.dxfReal(24, d.to.y());
        m_dw.dxfReal(34, 0.0);
        m_dw.dxfReal(50, d.vertical ? 90.0 : 0.0);
        m_dw.subClass("AcDbRotatedDimension");
        m_dxf.writeDimStyleOverrides(m_dw, data);
    }

    DL_Dxf& m_dxf;
    DL_WriterA& m_dw;
};

void cells(Writer& w, const std::vector<SheetCell>& cells, const PaperToModel& toModel,
           const std::string& layer) {
    for (const SheetCell& c : cells) {
        const FittedText& t = c.fitted;
        double y = c.rect.center().y() - t.heightMm() / 2 + t.lineHeightMm / 2;
        for (const QString& line : t.lines) {
            const QPointF at =
                c.centred ? QPointF(c.rect.center().x(), y) : QPointF(c.rect.left() + 0.6, y);
            w.text(toModel(at), t.emMm * 0.72 * toModel.scale, line, c.centred, on(layer));
            y += t.lineHeightMm;
        }
    }
}

void writeDocument(DL_Dxf& dxf, DL_WriterA& dw, const DrawingSheet& sheet) {
    PaperToModel toModel;
    if (sheet.plan.denominator > 0) {
        toModel.scale = sheet.plan.denominator;
        toModel.origin = sheet.plan.origin;
    }
    const bool section = sheet.section.denominator > 0;

    dxf.writeHeader(dw);
    dw.sectionEnd();
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    const std::array<std::pair<std::string, int>, 7> layers{{
        {"0", 7},
        {layerName(SchemeLayer::Electrodes), 7},
        {layerName(SchemeLayer::Strip), 5},
        {layerName(SchemeLayer::Dimensions), 8},
        {layerName(SchemeLayer::Text), 7},
        {layerName(SchemeLayer::Soil), 30},
        {kFrameLayer, 7},
    }};
    dw.tableLayers(static_cast<int>(layers.size()));
    for (const auto& [name, colour] : layers)
        dxf.writeLayer(dw, DL_LayerData(name, 0),
                       DL_Attributes("", colour, name == kFrameLayer ? 50 : 25, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData(kStyle, 0, 0.0, 1.0, 0.0, 0, 2.5, "arial.ttf", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    // Sizes on paper; each dimension carries its view's scale.
    dxf.writeDimStyle(dw, kArrowMm, kExtensionBeyondMm, kExtensionOffsetMm, kTextGapMm,
                      kDimensionTextMm);
    // The plan's dimensions' pictures first, then the section's.
    const bool plan = sheet.plan.denominator > 0;
    const int planDimensions = plan ? static_cast<int>(sheet.plan.view.dimensions.size()) : 0;
    const int dimensions =
        planDimensions + (section ? static_cast<int>(sheet.section.view.dimensions.size()) : 0);
    dxf.writeBlockRecord(dw);
    if (section)
        dxf.writeBlockRecord(dw, kSectionBlock);
    for (int n = 1; n <= dimensions; ++n)
        dxf.writeBlockRecord(dw, dimensionBlock(n));
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, name);
    }
    Writer w(dxf, dw);
    if (plan)
        w.dimensionPictures(sheet.plan.view, sheet.plan.denominator, 1);
    if (section) {
        w.dimensionPictures(sheet.section.view, sheet.section.denominator, planDimensions + 1);
        dxf.writeBlock(dw, DL_BlockData(kSectionBlock, 0, 0.0, 0.0, 0.0));
        w.view(sheet.section.view, sheet.section.denominator, planDimensions + 1);
        dxf.writeEndBlock(dw, kSectionBlock);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    if (plan)
        w.view(sheet.plan.view, sheet.plan.denominator, 1);
    if (section) {
        const QPointF at = toModel(sheet.section.origin);
        const double f = toModel.scale / sheet.section.denominator;
        dxf.writeInsert(dw, DL_InsertData(kSectionBlock, at.x(), at.y(), 0, f, f, 1, 0, 1, 1, 0, 0),
                        on("0"));
    }
    for (const SheetLine& l : sheet.lines)
        w.line(toModel(l.line.p1()), toModel(l.line.p2()),
               on(kFrameLayer, static_cast<int>(l.widthMm * 100)));
    cells(w, sheet.cells, toModel, kFrameLayer);
    const std::string textLayer = layerName(SchemeLayer::Text);
    for (const SheetView* v : {&sheet.plan, &sheet.section})
        cells(w, {v->caption}, toModel, textLayer);
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
}

} // namespace

std::string dxfText(const QString& text) {
    std::string s;
    const QString printable = printableText(text);
    s.reserve(static_cast<std::size_t>(printable.size()));
    for (const QChar c : printable) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != '\\' && u != '^' && u != '%') {
            s += static_cast<char>(u);
        } else if (c.isSurrogate()) {
            // Outside the four hex digits of the escape: a character CAD programs cannot show.
            if (c.isHighSurrogate())
                s += '?';
        } else {
            s += QStringLiteral("\\U+%1").arg(u, 4, 16, QLatin1Char('0')).toUpper().toStdString();
        }
    }
    return s;
}

QByteArray schemeDxf(const DrawingSheet& sheet) {
    // dxflib writes to a file by name: a private temporary one, read back whole.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/korvela-XXXXXX.dxf"));
    if (!file.open())
        throw UserError(
            QStringLiteral("Не удалось создать временный файл: %1").arg(file.errorString()));
    const QByteArray name = QFile::encodeName(file.fileName());
    {
        DL_Dxf dxf;
        const std::unique_ptr<DL_WriterA> dw(dxf.out(name.constData(), DL_Codes::AC1015));
        if (!dw)
            throw UserError(
                QStringLiteral("Не удалось создать временный файл «%1»").arg(file.fileName()));
        writeDocument(dxf, *dw, sheet);
        dw->close();
    }
    QFile written(file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Не удалось прочитать временный файл «%1»: %2")
                            .arg(file.fileName(), written.errorString()));
    return written.readAll();
}

void saveSchemeDxf(const QString& path, const DesignState& state, const SteelThickness& thickness,
                   const NumberText& numbers, const ProjectData& project, SheetSize size) {
    saveDocument(path, schemeDxf(drawingSheet(state, thickness, numbers, project, size)));
}
