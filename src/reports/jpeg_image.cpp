#include "jpeg_image.h"

#include <QFile>

#include <csetjmp>
#include <memory>
#include <cstdio>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void silent(j_common_ptr) {}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = silent;
    // Only the pointee changes after setjmp, so a jump back leaves this frame sound.
    const auto image = std::make_unique<QImage>();
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return *image;
}

const QImage& letterheadPicture()
{
    static const QImage picture = [] {
        QFile file(QStringLiteral(":/print/letterhead.jpg"));
        if (!file.open(QIODevice::ReadOnly))
            return QImage();
        return decodeJpeg(file.readAll());
    }();
    return picture;
}
