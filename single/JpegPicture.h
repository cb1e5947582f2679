// Decoding of the JPEG pictures of the electrode shapes with libjpeg.
#pragma once

#include <QImage>
#include <QString>

// Reads the JPEG file at path. Throws PictureError with "Cannot open file "<path>". <reason>"
// when the file cannot be opened, and with the decoder's own message when it is no readable
// JPEG picture.
QImage readJpegPicture(const QString& path);
