// The scheme of the earthing device as the note's picture.
#include "note/NoteScheme.h"

#include "drawing/SchemeFiles.h"

#include <QBuffer>
#include <QImage>

namespace {

// The canvas's own size: about 200 dots an inch across the text's width.
constexpr double kScale = 1.0;

} // namespace

ReportPicture noteScheme(const DesignState& state, const SteelThickness& thickness,
                         const NumberText& numbers) {
    const QSizeF canvas = SchemeDrawing::canvasSize();
    const SchemeDrawing drawing(state, thickness, numbers);
    // Line drawing on white keeps its look in 256 colours, and such a PNG is made (and read) in a
    // third of the time of a full-colour one.
    const QImage picture =
        schemeImage(drawing, kScale)
            .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return {png, QSizeF(kNoteTextWidthMm, kNoteTextWidthMm * canvas.height() / canvas.width())};
}
