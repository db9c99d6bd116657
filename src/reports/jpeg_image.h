#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG held in memory with libjpeg; a null image when the data is not a JPEG.
QImage decodeJpeg(const QByteArray& data);

// The letterhead drawn at the top of the printed lists (947 x 162), decoded once.
const QImage& letterheadPicture();
