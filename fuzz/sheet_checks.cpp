#include "sheet_checks.h"

#include "base/refused_error.h"
#include "dev_support/le_bytes.h"
#include "dev_support/temp_folder.h"
#include "fuzz_check.h"

namespace fuzzing {

namespace {

constexpr std::size_t kRowBytes = 104;

}  // namespace

bool SamePalette(const mosalind::Bitmap& a, const mosalind::Bitmap& b) {
    if (a.Palette.size() != b.Palette.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Palette.size(); ++i) {
        const auto& x = a.Palette[i];
        const auto& y = b.Palette[i];
        if (x.Blue != y.Blue || x.Green != y.Green || x.Red != y.Red || x.Reserved != y.Reserved) {
            return false;
        }
    }
    return true;
}

bool SameSheet(const mosalind::Bitmap& a, const mosalind::Bitmap& b) {
    const mosalind::BMPInfoHeader& x = a.InfoHeader;
    const mosalind::BMPInfoHeader& y = b.InfoHeader;
    return a.FileHeader.Type == b.FileHeader.Type && a.FileHeader.Size == b.FileHeader.Size &&
           a.FileHeader.OffBits == b.FileHeader.OffBits && x.Size == y.Size && x.Width == y.Width &&
           x.Height == y.Height && x.Planes == y.Planes && x.BitCount == y.BitCount && x.Compression == y.Compression &&
           x.SizeImage == y.SizeImage && x.ClrUsed == y.ClrUsed && SamePalette(a, b) && a.Pixels == b.Pixels;
}

bool DecodeSheet(SheetDecoder decode, const std::uint8_t* data, std::size_t size, const std::string& name,
                 mosalind::Bitmap& sheet, std::string& refusal) {
    try {
        sheet = decode(data, size, name);
        return true;
    } catch (const mosalind::RefusedError& error) {
        refusal = error.what();
        FuzzCheck(refusal.rfind(name + " is not a 16-colour tile bitmap: ", 0) == 0 &&
                      refusal.find('\n') == std::string::npos,
                  "a refusal is one line naming the file");
        return false;
    }
}

bool DecodeAndReadAgree(SheetDecoder decode, SheetFileReader read, const std::uint8_t* data, std::size_t size,
                        const std::string& path, mosalind::Bitmap& sheet) {
    std::string refusal;
    const bool accepted = DecodeSheet(decode, data, size, path, sheet, refusal);

    dev_support::WriteFileBytes(path, dev_support::Bytes(data, data + size));
    try {
        const mosalind::Bitmap fromFile = read(path);
        FuzzCheck(accepted && SameSheet(fromFile, sheet), "reading the file gives the sheet decoding gives");
    } catch (const mosalind::RefusedError& error) {
        FuzzCheck(!accepted && refusal == error.what(), "reading the file gives the refusal decoding gives");
    }
    return accepted;
}

void CheckSheetShape(const mosalind::Bitmap& sheet) {
    const mosalind::BMPInfoHeader& info = sheet.InfoHeader;
    FuzzCheck(info.Width == 208 && info.Height > 0 && info.Height % 16 == 0 && info.Height / 16 <= 2520,
              "an accepted sheet is 208 pixels wide and 1 to 2,520 rows of cells high");
    FuzzCheck(sheet.Palette.size() == 16, "an accepted sheet has 16 palette entries");
    FuzzCheck(sheet.Pixels.size() == static_cast<std::size_t>(info.Height) * kRowBytes,
              "an accepted sheet has 104 bytes of pixels a row");
}

std::uint32_t InputHash(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 16777619u;
    }
    return hash;
}

}  // namespace fuzzing
