// tlstool_bench_input FOLDER: writes the inputs of bench/tlstool.sh into FOLDER: the tallest
// sheet the readers take (208 x 40,320 pixels, 32,760 cells, every pixel patterned), a sheet
// of 93 rows (1,209 cells, enough for the largest set's own tiles) and the largest tile set
// (1,201 tiles, 8 frames, every type, side and frame different) with one cell of planes.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "dev_support/bmp_writer.h"
#include "dev_support/temp_folder.h"

namespace {

using dev_support::Bytes;

constexpr int kTallestSheetHeight = 40320;
constexpr int kSetSheetHeight = 93 * 16;
constexpr int kTiles = 1201;
constexpr int kFrames = 8;

void WriteSheet(const std::filesystem::path& file, int height) {
    const auto index = [height](int x, int y) {
        const int stored = height - 1 - y;
        const int pair = (stored * 104 + x / 2) * 37 + stored * 11;
        return x % 2 == 0 ? (pair >> 4) & 15 : pair & 15;
    };
    dev_support::WriteFileBytes(file, dev_support::EncodeBmp({208, height, index, {}}));
}

// The slope bytes the editor writes (bit 7, kind, start level), and none.
constexpr std::uint8_t kSlopes[] = {0, 128, 144, 160, 204, 212, 232, 164};
constexpr std::uint8_t kTypes[] = {0, 1, 2, 3, 17, 24, 28, 254, 255};

Bytes LargestSet() {
    Bytes bytes(62, 0);
    dev_support::PutLE16(bytes, 0, kTiles);
    dev_support::PutLE16(bytes, 2, kFrames);
    dev_support::PutLE16(bytes, 4, 32);
    dev_support::PutLE32(bytes, 6, 64);
    dev_support::PutLE32(bytes, 10, 64 + 5 * kTiles);
    dev_support::PutLE32(bytes, 14, 64 + 5 * kTiles + 2 * kTiles * kFrames);
    for (int tile = 0; tile < kTiles; ++tile) {
        bytes.push_back(kTypes[tile % 9]);
    }
    for (int side = 0; side < 4; ++side) {
        for (int tile = 0; tile < kTiles; ++tile) {
            bytes.push_back(static_cast<std::uint8_t>(kSlopes[(tile + side) % 8] | ((tile / 8 + side) % 4)));
        }
    }
    for (int frame = 0; frame < kFrames; ++frame) {
        for (int tile = 0; tile < kTiles; ++tile) {
            dev_support::AppendLE16(bytes, static_cast<std::uint32_t>(32 * ((tile * 7 + frame * 131) % 1024)));
        }
    }
    bytes.resize(bytes.size() + 128, 0x5A);
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tlstool_bench_input FOLDER\n");
        return 1;
    }
    try {
        const std::filesystem::path folder = argv[1];
        WriteSheet(folder / "tallest.bmp", kTallestSheetHeight);
        WriteSheet(folder / "set-sheet.bmp", kSetSheetHeight);
        dev_support::WriteFileBytes(folder / "largest.tls", LargestSet());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tlstool_bench_input: %s\n", error.what());
        return 1;
    }
    return 0;
}
