#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>

struct png_struct_def;
struct png_info_def;

namespace mosalind {

class ByteFileReader;

// Where a PNG file's bytes come from: first `Bytes` (`Size` of them), then, when there is
// one, the rest of an open file read on from its current place. A failure to read that
// file is kept in ReadFailure for the caller to throw once libpng has let go.
struct PngInput {
    const std::uint8_t* Bytes = nullptr;
    std::size_t Size = 0;
    std::size_t Taken = 0;
    ByteFileReader* Rest = nullptr;
    std::exception_ptr ReadFailure;
};

// What the image header (IHDR) and the palette (PLTE) say.
struct PngHeader {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    int BitDepth = 0;
    int ColourType = 0;
    bool Interlaced = false;
    int PaletteEntries = 0;
    std::uint8_t Palette[256][3] = {};  // red, green, blue
};

// The editor's one use of libpng: a PNG read in two steps, the header first so that the
// caller can check the size and allocate the rows, then every row. A step returns false
// when libpng finds the file damaged (Reason() then gives libpng's words) or the input
// cannot be read further.
//
// libpng reports errors by a long jump back into the step that is running. So that the
// jump passes over no C++ object that needs its destructor, every call into libpng is made
// from these steps, which hold only plain locals, and the input is read by a callback that
// catches any exception before it jumps.
class PngDecoder {
public:
    // Throws std::bad_alloc when libpng cannot set up its structures.
    explicit PngDecoder(PngInput& input);
    ~PngDecoder();
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    // Reads everything up to the image data.
    bool ReadHeader(PngHeader& header);

    // Reads the image data into rows[0] (top row) to rows[Height - 1], then the file's
    // remaining chunks up to IEND. With `onePixelPerByte`, pixels of fewer than 8 bits come
    // one a byte; otherwise every row is as stored, left pixel in the high bits.
    bool ReadRows(std::uint8_t* const* rows, bool onePixelPerByte);

    const char* Reason() const { return reason_; }

    static constexpr std::size_t kReasonBytes = 256;

private:
    png_struct_def* png_ = nullptr;
    png_info_def* info_ = nullptr;
    PngInput* input_;
    char reason_[kReasonBytes] = {};
};

}  // namespace mosalind
