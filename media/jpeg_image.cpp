#include "media/jpeg_image.h"

#include "base/app_error.h"
#include "base/file_io.h"
#include "base/quoted_text.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder with the message instead. Warnings (such as a premature end of
// the data, which libjpeg would fill with grey) count as errors too.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

// The largest picture decoded, so a hostile header cannot ask for gigabytes.
constexpr JDIMENSION kMaxSide = 8192;

// Why a picture could not be decoded: libjpeg's message code (or one of
// the two below) and libjpeg's own words.
constexpr int kTooLarge = -1;
constexpr int kNoMemory = -2;
struct Failure
{
    int code = 0;
    char words[JMSG_LENGTH_MAX] = {};
};

// Decodes into `image`; returns false with `failure` filled on any failure.
// Only plain C data lives between setjmp and longjmp here, and libjpeg's
// own allocations are released by jpeg_destroy_decompress on both paths.
bool decode(const unsigned char *data, unsigned long size, QImage &image, Failure &failure)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        failure.code = errors.base.msg_code;
        std::snprintf(failure.words, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width > kMaxSide || info.output_height > kMaxSide) {
        failure.code = kTooLarge;
        std::snprintf(failure.words, JMSG_LENGTH_MAX, "%u × %u", info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        failure.code = kNoMemory;
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The player's sentence about the picture called `subject`; libjpeg's own
// words follow in brackets.
std::string problemText(const std::string &subject, const Failure &failure)
{
    const std::string words = "（" + quotedText(failure.words) + "）";
    switch (failure.code) {
    case JWRN_JPEG_EOF:
        return subject + "不完整，可能没有复制完" + words + "。";
    case JERR_NO_SOI:
        return subject + "不是 JPEG 图片" + words + "。";
    case kTooLarge:
        return subject + "太大了，无法显示" + words + "。";
    case kNoMemory:
        return "内存不足，无法显示" + subject + "。";
    default:
        return subject + "已损坏，无法显示" + words + "。";
    }
}

QImage decodeAs(std::string_view bytes, const std::string &subject)
{
    if (bytes.empty())
        throw AppError(subject + "是空的。");
    QImage image;
    Failure failure;
    if (!decode(reinterpret_cast<const unsigned char *>(bytes.data()),
                static_cast<unsigned long>(bytes.size()), image, failure))
        throw AppError(problemText(subject, failure));
    return image;
}

} // namespace

QImage decodeJpeg(std::string_view bytes)
{
    return decodeAs(bytes, "图片");
}

QImage readJpeg(const QString &path)
{
    // File names are UTF-8 below the windows, on every system.
    const std::string bytes = readFile(path.toStdString());
    return decodeAs(bytes, "图片“" + quotedText(QFileInfo(path).fileName().toStdString()) + "”");
}

QImage storedJpeg(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    try {
        return decodeJpeg(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    } catch (const AppError &) {
        return {};
    }
}
