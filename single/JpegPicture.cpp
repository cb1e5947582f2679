#include "single/JpegPicture.h"

#include "single/PictureError.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// The decoder calls this instead of ending the process; the message is kept for the error.
[[noreturn]] void leaveDecoder(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (a picture cut short is still shown, padded) are not printed.
void ignoreMessage(j_common_ptr) {}

enum class Decoded { Picture, DecoderError, OutOfMemory };

// Decodes into *image. Holds nothing that needs a destructor, so that a jump back from the
// decoder leaves nothing behind; info lives with the caller for the same reason.
Decoded decode(std::FILE* file, jpeg_decompress_struct* info, ErrorManager* errors, QImage* image) {
    info->err = jpeg_std_error(&errors->base);
    errors->base.error_exit = leaveDecoder;
    errors->base.output_message = ignoreMessage;
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(info);
        return Decoded::DecoderError;
    }
    jpeg_create_decompress(info);
    jpeg_stdio_src(info, file);
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(info);
        return Decoded::OutOfMemory;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return Decoded::Picture;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

QImage readJpegPicture(const QString& path) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(
        std::fopen(QFile::encodeName(fullPath).constData(), "rb"));
    if (!file) {
        const int reason = errno;
        throw PictureError(QStringLiteral("Cannot open file \"%1\". %2")
                               .arg(fullPath, QString::fromLocal8Bit(std::strerror(reason))));
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
    switch (decode(file.get(), &info, &errors, &image)) {
    case Decoded::Picture:
        return image;
    case Decoded::DecoderError:
        throw PictureError(QString::fromLocal8Bit(errors.message));
    case Decoded::OutOfMemory:
        break;
    }
    throw PictureError(QStringLiteral("Insufficient memory for the picture \"%1\"").arg(fullPath));
}
