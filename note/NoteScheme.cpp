// The scheme of the earthing device as the note's picture.
#include "note/NoteScheme.h"

#include "documents/SchemePage.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace {

// A PNG's quality that Qt gives zlib as its fastest level: a picture of lines on white takes a
// third more bytes than at the default level, in a third of the time.
constexpr int kPngQuality = 80;

} // namespace

ReportPicture noteScheme(const DesignState& state, const SteelThickness& thickness,
                         const NumberText& numbers) {
    const SchemePage page = schemePage(state, thickness, numbers, kNoteTextWidthMm);
    // Line drawing on white keeps its look in 256 colours (its shades of grey), and such a PNG is
    // made (and read) in a fraction of the time of a full-colour or a greyscale one.
    const QImage picture =
        schemePageImage(page, kNoteSchemeDotsPerMm)
            .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    writer.write(picture);
    return {png, page.size};
}
