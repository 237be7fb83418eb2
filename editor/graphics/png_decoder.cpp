#include "graphics/png_decoder.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "base/byte_file_reader.h"

namespace mosalind {

namespace {

// libpng checks the image's sides against these when it reads the header. They are PNG's
// own bounds: the sheet's stricter size check, right after the header and before any
// row is allocated, names what is wrong with a sheet of the wrong size, where libpng
// would only call the header invalid. libpng itself keeps no more than a row whatever the
// height.
constexpr png_uint_32 kMostSide = PNG_UINT_31_MAX;

// The largest chunk libpng will take: well above any palette, profile or text a paint
// program writes. Such chunks are skipped in small pieces, not kept (see below).
constexpr png_alloc_size_t kMostChunkBytes = png_alloc_size_t{8} << 20;
constexpr png_uint_32 kMostKeptChunks = 16;

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    char* reason = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(reason, PngDecoder::kReasonBytes, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {
    // Warnings are for what libpng can read past; the sheet either reads or is refused.
}

void ReadInput(png_structp png, png_bytep out, size_t count) {
    PngInput& input = *static_cast<PngInput*>(png_get_io_ptr(png));
    std::size_t got = std::min(count, input.Size - input.Taken);
    if (got > 0) {
        std::memcpy(out, input.Bytes + input.Taken, got);
        input.Taken += got;
    }
    if (got < count && input.Rest != nullptr) {
        bool failed = false;
        try {
            got += input.Rest->Read(out + got, count - got);
        } catch (...) {
            input.ReadFailure = std::current_exception();
            failed = true;
        }
        if (failed) {
            png_error(png, "the file cannot be read");
        }
    }
    if (got < count) {
        png_error(png, "the file ends early");
    }
}

}  // namespace

PngDecoder::PngDecoder(PngInput& input) : input_(&input) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, reason_, OnError, OnWarning);
    if (png_ != nullptr) {
        info_ = png_create_info_struct(png_);
    }
    if (info_ == nullptr) {
        png_destroy_read_struct(&png_, nullptr, nullptr);
        throw std::bad_alloc();
    }
}

PngDecoder::~PngDecoder() {
    png_destroy_read_struct(&png_, &info_, nullptr);
}

bool PngDecoder::ReadHeader(PngHeader& header) {
    if (setjmp(png_jmpbuf(png_))) {
        return false;
    }
    png_set_read_fn(png_, input_, ReadInput);
    png_set_user_limits(png_, kMostSide, kMostSide);
    png_set_chunk_malloc_max(png_, kMostChunkBytes);
    png_set_chunk_cache_max(png_, kMostKeptChunks);
    // Every chunk but IHDR, PLTE, tRNS, IDAT and IEND is skipped unread: colour spaces,
    // text, times and unknown chunks say nothing about the sheet's indices.
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    // Indices beyond the palette show black; libpng need not look for them.
    png_set_check_for_invalid_index(png_, 0);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Fuzz builds only: mutated files get past the checksums to the data behind them.
    png_set_crc_action(png_, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_option(png_, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif

    png_read_info(png_, info_);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(png_, info_, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    header.Width = width;
    header.Height = height;
    header.BitDepth = bitDepth;
    header.ColourType = colourType;
    header.Interlaced = interlace != PNG_INTERLACE_NONE;

    png_colorp palette = nullptr;
    int entries = 0;
    if (png_get_PLTE(png_, info_, &palette, &entries) != 0 && palette != nullptr) {
        header.PaletteEntries = std::min(entries, 256);
        for (int i = 0; i < header.PaletteEntries; ++i) {
            header.Palette[i][0] = palette[i].red;
            header.Palette[i][1] = palette[i].green;
            header.Palette[i][2] = palette[i].blue;
        }
    }
    return true;
}

bool PngDecoder::ReadRows(std::uint8_t* const* rows, bool onePixelPerByte) {
    if (setjmp(png_jmpbuf(png_))) {
        return false;
    }
    if (onePixelPerByte) {
        png_set_packing(png_);
    }
    png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
    png_read_image(png_, const_cast<png_bytepp>(rows));
    png_read_end(png_, nullptr);
    return true;
}

}  // namespace mosalind
