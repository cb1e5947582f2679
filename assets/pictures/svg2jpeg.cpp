// Build tool: draws an SVG picture on a white ground at its own size and writes it as a JPEG.
// Usage: svg2jpeg <picture.svg> <picture.jpg>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace {
// Qt's note about a missing runtime folder means nothing to a build step.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

bool writeJpeg(const QImage& picture, const char* path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::perror(path);
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a failure here ends the tool, which is what a build wants
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: svg2jpeg <picture.svg> <picture.jpg>\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "svg2jpeg: %s is no readable SVG picture\n", argv[1]);
        return 1;
    }
    QImage picture(svg.defaultSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&painter);
    painter.end();
    return writeJpeg(picture, argv[2]) ? 0 : 1;
}
