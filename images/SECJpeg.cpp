#include "images/SECJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

// The pixel buffer holds blue, green, red: libjpeg-turbo's extended colour
// spaces let the library read and write that order directly.
#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo with JCS_EXT_BGR is required"
#endif

namespace {

constexpr std::size_t kBlockBytes = 4096;
// A JPEG decodes to at most this many bytes of pixels per byte of file.
constexpr std::int64_t kMaxExpansion = 1024;

// Fatal errors come back to the setjmp point in Decode or Encode instead of
// ending the process; messages are formatted and discarded.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void ReturnOnFatalError(j_common_ptr cinfo)
{
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void DiscardMessage(j_common_ptr, int)
{
}

void InstallErrorManager(ErrorManager& errors)
{
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ReturnOnFatalError;
    errors.pub.emit_message = DiscardMessage;
}

// Called before each piece of input is taken in, so at least once a scan.
void LimitScans(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > SECJpeg::kMaxScans)
        ERREXIT(cinfo, JERR_BAD_PROGRESSION);  // the code hardly matters: the message is discarded
}

struct FileSource {
    jpeg_source_mgr pub;
    ImageFile* file;
    bool ended;  // the file ran out and an end-of-image marker stands in
    JOCTET block[kBlockBytes];
};

void InitSource(j_decompress_ptr)
{
}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    auto* source = reinterpret_cast<FileSource*>(cinfo->src);
    std::size_t got = source->file->Read(source->block, kBlockBytes);
    if (got == 0) {
        source->block[0] = 0xFF;
        source->block[1] = JPEG_EOI;
        got = 2;
        source->ended = true;
    }
    source->pub.next_input_byte = source->block;
    source->pub.bytes_in_buffer = got;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    auto* source = reinterpret_cast<FileSource*>(cinfo->src);
    while (count > static_cast<long>(source->pub.bytes_in_buffer)) {
        count -= static_cast<long>(source->pub.bytes_in_buffer);
        FillInputBuffer(cinfo);
        // Past the end only the stand-in marker is left: skipping further
        // would fetch it again two bytes at a time.
        if (source->ended)
            return;
    }
    if (count > 0) {
        source->pub.next_input_byte += count;
        source->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

void TermSource(j_decompress_ptr)
{
}

struct FileDestination {
    jpeg_destination_mgr pub;
    ImageFile* file;
    JOCTET block[kBlockBytes];
};

void InitDestination(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<FileDestination*>(cinfo->dest);
    destination->pub.next_output_byte = destination->block;
    destination->pub.free_in_buffer = kBlockBytes;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<FileDestination*>(cinfo->dest);
    if (!destination->file->Write(destination->block, kBlockBytes))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<FileDestination*>(cinfo->dest);
    const std::size_t used = kBlockBytes - destination->pub.free_in_buffer;
    if (!destination->file->Write(destination->block, used))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

}  // namespace

struct SECJpeg::Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    FileSource source;
    jpeg_progress_mgr progress;
    std::int64_t fileBytes;
};

struct SECJpeg::Encoder {
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    FileDestination destination;
    std::vector<JSAMPLE> expanded;  // one row of a palette picture as blue, green, red
};

const SECRuntimeClass SECJpeg::classSECJpeg = {"SECJpeg", 1, [] { return std::unique_ptr<SECImage>(new SECJpeg); }};

bool SECJpeg::ReadImage(ImageFile& file)
{
    auto decoder = std::make_unique<Decoder>();
    InstallErrorManager(decoder->errors);
    decoder->cinfo.err = &decoder->errors.pub;
    decoder->source.pub.init_source = InitSource;
    decoder->source.pub.fill_input_buffer = FillInputBuffer;
    decoder->source.pub.skip_input_data = SkipInputData;
    decoder->source.pub.resync_to_restart = jpeg_resync_to_restart;
    decoder->source.pub.term_source = TermSource;
    decoder->source.pub.bytes_in_buffer = 0;
    decoder->source.pub.next_input_byte = nullptr;
    decoder->source.file = &file;
    decoder->source.ended = false;
    decoder->progress.progress_monitor = LimitScans;
    decoder->fileBytes = file.GetLength();
    return Decode(*decoder);
}

// Only plain data lives in this frame, so the longjmp of a fatal error skips
// no destructor.
bool SECJpeg::Decode(Decoder& d)
{
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    d.cinfo.src = &d.source.pub;
    d.cinfo.progress = &d.progress;
    jpeg_read_header(&d.cinfo, TRUE);
    // Colour and grey pictures alike come out as blue, green, red.
    d.cinfo.out_color_space = JCS_EXT_BGR;
    const std::int64_t width = d.cinfo.image_width;
    const std::int64_t height = d.cinfo.image_height;
    if (!Plausible(width * height * 3, d.fileBytes, kMaxExpansion)
        || !InitPicture(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 24)) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_start_decompress(&d.cinfo);
    if (d.cinfo.output_width != width || d.cinfo.output_height != height || d.cinfo.output_components != 3) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    // JPEG rows run top-down; the buffer's run bottom-up.
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = RowPointer(static_cast<std::int32_t>(height - 1 - d.cinfo.output_scanline));
        if (jpeg_read_scanlines(&d.cinfo, &row, 1) != 1 || d.source.ended)
            break;
    }
    // A file that ends before its last row is truncated, not a picture.
    if (d.cinfo.output_scanline < d.cinfo.output_height || d.source.ended) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_finish_decompress(&d.cinfo);
    jpeg_destroy_decompress(&d.cinfo);
    return true;
}

bool SECJpeg::WriteImage(ImageFile& file)
{
    const int bits = GetBitsPerPixel();
    if (!AlignRows() || (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 24))
        return false;
    auto encoder = std::make_unique<Encoder>();
    InstallErrorManager(encoder->errors);
    encoder->cinfo.err = &encoder->errors.pub;
    encoder->destination.pub.init_destination = InitDestination;
    encoder->destination.pub.empty_output_buffer = EmptyOutputBuffer;
    encoder->destination.pub.term_destination = TermDestination;
    encoder->destination.file = &file;
    if (bits != 24)
        encoder->expanded.resize(3 * static_cast<std::size_t>(GetWidth()));
    return Encode(*encoder);
}

bool SECJpeg::Encode(Encoder& e)
{
    if (setjmp(e.errors.jump)) {
        jpeg_destroy_compress(&e.cinfo);
        return false;
    }
    jpeg_create_compress(&e.cinfo);
    e.cinfo.dest = &e.destination.pub;
    e.cinfo.image_width = static_cast<JDIMENSION>(GetWidth());
    e.cinfo.image_height = static_cast<JDIMENSION>(GetHeight());
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, m_nQuality, TRUE);
    e.cinfo.optimize_coding = m_bOptimizeCoding ? TRUE : FALSE;
    e.cinfo.CCIR601_sampling = m_bCCIR601Sampling ? TRUE : FALSE;
    e.cinfo.smoothing_factor = m_nSmoothingFactor;
    jpeg_start_compress(&e.cinfo, TRUE);
    const int bits = GetBitsPerPixel();
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        const std::uint8_t* source = RowPointer(static_cast<std::int32_t>(GetHeight() - 1 - static_cast<std::int32_t>(e.cinfo.next_scanline)));
        JSAMPROW row = const_cast<JSAMPROW>(source);
        if (bits != 24) {
            // Palette pixels, the leftmost in the most significant bits.
            const int perByte = 8 / bits;
            const int mask = (1 << bits) - 1;
            for (std::int32_t x = 0; x < GetWidth(); ++x) {
                const int index = (source[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask;
                const RGBQUAD colour = GetPaletteEntry(index);
                e.expanded[3 * x] = colour.rgbBlue;
                e.expanded[3 * x + 1] = colour.rgbGreen;
                e.expanded[3 * x + 2] = colour.rgbRed;
            }
            row = e.expanded.data();
        }
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    jpeg_destroy_compress(&e.cinfo);
    return true;
}
