#include "JpegRowDecoder.h"

#include "PictureDecoder.h"
#include "RowScaler.h"

#include <QIODevice>
#include <QtGlobal>
#include <csetjmp>
#include <cstdio>
#include <vector>
#include <jpeglib.h>

#include <jerror.h>

namespace JpegRowDecoder {

namespace {

// libjpeg reports errors by calling back; the jump returns to the step that was running.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

// Warnings are counted, never printed: any one sends the file to the other decoder.
void CountWarning(j_common_ptr info, int level)
{
    if (level < 0)
        ++info->err->num_warnings;
}

void Silent(j_common_ptr) {}

struct DeviceSource {
    jpeg_source_mgr Base;
    QIODevice* Device;
    JOCTET Buffer[16384];
};

void StartSource(j_decompress_ptr) {}
void EndSource(j_decompress_ptr) {}

boolean FillBuffer(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<DeviceSource*>(info->src);
    const qint64 got = source->Device->read(reinterpret_cast<char*>(source->Buffer), sizeof source->Buffer);
    if (got <= 0) {
        // The data ends early: an end marker lets libjpeg stop, and the warning refuses the result.
        WARNMS(info, JWRN_JPEG_EOF);
        source->Buffer[0] = 0xFF;
        source->Buffer[1] = JPEG_EOI;
        source->Base.bytes_in_buffer = 2;
    } else {
        source->Base.bytes_in_buffer = size_t(got);
    }
    source->Base.next_input_byte = source->Buffer;
    return TRUE;
}

void SkipData(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* source = info->src;
    while (count > long(source->bytes_in_buffer)) {
        count -= long(source->bytes_in_buffer);
        FillBuffer(info);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= size_t(count);
    }
}

// The steps that call into libjpeg hold nothing with a destructor, so the jump back skips none.
bool ReadHeader(j_decompress_ptr info, ErrorManager& errors)
{
    if (setjmp(errors.Jump))
        return false;
    return jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
}

bool Start(j_decompress_ptr info, ErrorManager& errors)
{
    if (setjmp(errors.Jump))
        return false;
    return jpeg_start_decompress(info) != FALSE;
}

bool ReadRows(j_decompress_ptr info, ErrorManager& errors, quint32* row, RowScaler& scaler)
{
    if (setjmp(errors.Jump))
        return false;
    JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row)};
    while (info->output_scanline < info->output_height) {
        if (jpeg_read_scanlines(info, rows, 1) != 1)
            return false;
        scaler.Add(row);
    }
    return jpeg_finish_decompress(info) != FALSE;
}

bool TakenColours(J_COLOR_SPACE space)
{
    return space == JCS_GRAYSCALE || space == JCS_RGB || space == JCS_YCbCr;
}

// Decompression state, released however the decode ends.
struct Decompression {
    jpeg_decompress_struct Info {};
    ErrorManager Errors {};
    DeviceSource Source {};

    explicit Decompression(QIODevice& device)
    {
        Info.err = jpeg_std_error(&Errors.Base);
        Errors.Base.error_exit = JumpBack;
        Errors.Base.emit_message = CountWarning;
        Errors.Base.output_message = Silent;
        jpeg_create_decompress(&Info);
        Source.Device = &device;
        Source.Base.init_source = StartSource;
        Source.Base.fill_input_buffer = FillBuffer;
        Source.Base.skip_input_data = SkipData;
        Source.Base.resync_to_restart = jpeg_resync_to_restart;
        Source.Base.term_source = EndSource;
        Info.src = &Source.Base;
    }
    ~Decompression() { jpeg_destroy_decompress(&Info); }
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;

    bool Clean() const { return Errors.Base.num_warnings == 0; }
};

bool StartsLikeJpeg(QIODevice& device)
{
    const QByteArray magic = device.peek(3);
    return magic.size() == 3 && uchar(magic[0]) == 0xFF && uchar(magic[1]) == 0xD8 && uchar(magic[2]) == 0xFF;
}

} // namespace

int CoveringEighths(QSize natural, QSize needed)
{
    for (int eighths = 1; eighths < 8; ++eighths) {
        if ((qint64(natural.width()) * eighths + 7) / 8 >= needed.width()
            && (qint64(natural.height()) * eighths + 7) / 8 >= needed.height())
            return eighths;
    }
    return 8;
}

std::optional<Result> Decode(QIODevice& device, const std::function<QSize(QSize natural)>& targetFor)
{
    if (!StartsLikeJpeg(device))
        return std::nullopt;
    Decompression jpeg(device);
    if (!ReadHeader(&jpeg.Info, jpeg.Errors) || !jpeg.Clean() || !TakenColours(jpeg.Info.jpeg_color_space))
        return std::nullopt;
    const QSize natural(int(jpeg.Info.image_width), int(jpeg.Info.image_height));
    if (!PictureDecoder::WithinDecodedLimit(natural))
        return std::nullopt;
    const QSize target = targetFor(natural);
    if (target.isEmpty() || target.width() > natural.width() || target.height() > natural.height()
        || target == natural)
        return std::nullopt;
    jpeg.Info.scale_num = unsigned(CoveringEighths(natural, target));
    jpeg.Info.scale_denom = 8;
    // Averaged down afterwards, the colours' plain upsampling looks no different and costs less.
    jpeg.Info.do_fancy_upsampling = FALSE;
    // Decoded straight into RGB32's memory order.
    jpeg.Info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    if (!Start(&jpeg.Info, jpeg.Errors) || !jpeg.Clean())
        return std::nullopt;
    const QSize decoded(int(jpeg.Info.output_width), int(jpeg.Info.output_height));
    QImage image(target.boundedTo(decoded), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    RowScaler scaler(decoded, image);
    std::vector<quint32> row(size_t(decoded.width()));
    if (!ReadRows(&jpeg.Info, jpeg.Errors, row.data(), scaler) || !jpeg.Clean() || !scaler.Finished())
        return std::nullopt;
    return Result {natural, std::move(image)};
}

} // namespace JpegRowDecoder
