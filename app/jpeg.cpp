#include "jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace app {

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings of damaged data are not worth a console line

} // namespace

QImage decodeJpeg(const QByteArray &data)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.output_message = onMessage;

    // Only plain data lives across the jump: the image is created after the header.
    QImage *volatile image = nullptr;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
#ifdef JCS_EXTENSIONS
    // Straight into the pixel layout a pixmap uses, with no conversion afterwards.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    const QImage::Format format = QImage::Format_RGB32;
#else
    info.out_color_space = JCS_RGB;
    const QImage::Format format = QImage::Format_RGB888;
#endif
    jpeg_start_decompress(&info);

    image = new QImage(int(info.output_width), int(info.output_height), format);
    JSAMPROW rows[8];
    while (info.output_scanline < info.output_height) {
        const int first = int(info.output_scanline);
        const int count = std::min(8, int(info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = image->scanLine(first + i);
        jpeg_read_scanlines(&info, rows, JDIMENSION(count));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage result = std::move(*image);
    delete image;
    return result;
}

} // namespace app
