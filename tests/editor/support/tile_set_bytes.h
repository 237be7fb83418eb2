// Tile set files and their planar graphics built byte by byte from the file layout, to
// compare with what the editor writes. Header-only: shared by the plain and the window
// tests.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "support/test_files.h"

namespace testing_support {

struct TileSetContent {
    int tileCount = 0;
    int frameCount = 0;
    int planeSize = 0;
    std::int32_t attributeOffset = 0;
    std::int32_t frameOffset = 0;
    std::int32_t planesOffset = 0;
    std::array<std::uint8_t, 44> reserved{};
    std::array<std::vector<std::uint8_t>, 5> attributes;  // [slot][tile]
    std::vector<std::vector<int>> frames;                 // [frame][tile]: cell numbers
    dev_support::Bytes planes;                            // the planar section as it stands

    // A tile set as New makes it: every attribute 0, every frame of tile t on cell t,
    // wrapping after `cells`.
    static TileSetContent Fresh(int tileCount, int frameCount, int planeSize, int cells) {
        TileSetContent content;
        content.tileCount = tileCount;
        content.frameCount = frameCount;
        content.planeSize = planeSize;
        content.attributeOffset = 64;
        content.frameOffset = 64 + 5 * tileCount;
        content.planesOffset = content.frameOffset + 2 * tileCount * frameCount;
        for (auto& row : content.attributes) {
            row.assign(tileCount, 0);
        }
        content.frames.assign(frameCount, std::vector<int>(tileCount));
        for (auto& row : content.frames) {
            for (int tile = 0; tile < tileCount; ++tile) {
                row[tile] = tile % cells;
            }
        }
        return content;
    }

    dev_support::Bytes FileBytes() const {
        dev_support::Bytes bytes(62, 0);
        dev_support::PutLE16(bytes, 0, static_cast<std::uint16_t>(tileCount));
        dev_support::PutLE16(bytes, 2, static_cast<std::uint16_t>(frameCount));
        dev_support::PutLE16(bytes, 4, static_cast<std::uint16_t>(planeSize));
        dev_support::PutLE32(bytes, 6, static_cast<std::uint32_t>(attributeOffset));
        dev_support::PutLE32(bytes, 10, static_cast<std::uint32_t>(frameOffset));
        dev_support::PutLE32(bytes, 14, static_cast<std::uint32_t>(planesOffset));
        for (int i = 0; i < 44; ++i) {
            bytes[18 + i] = reserved[i];
        }
        for (const auto& row : attributes) {
            bytes.insert(bytes.end(), row.begin(), row.end());
        }
        for (const auto& row : frames) {
            for (int cell : row) {
                const std::uint16_t stored = static_cast<std::uint16_t>(cell * 32);
                bytes.push_back(static_cast<std::uint8_t>(stored & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>(stored >> 8));
            }
        }
        bytes.insert(bytes.end(), planes.begin(), planes.end());
        return bytes;
    }
};

// The planar graphics of a sheet of `width` x `height` pixels, cells 13 to a row: for each
// plane, each cell, each pixel row two bytes, leftmost pixel in bit 7, plane p holding
// bit p of the colour index.
inline dev_support::Bytes SheetPlanes(int width, int height, const PixelColour& colour) {
    const int cells = (width / 16) * (height / 16);
    dev_support::Bytes planes;
    for (int plane = 0; plane < 4; ++plane) {
        for (int cell = 0; cell < cells; ++cell) {
            const int left = (cell % 13) * 16;
            const int top = (cell / 13) * 16;
            for (int row = 0; row < 16; ++row) {
                for (int half = 0; half < 2; ++half) {
                    std::uint8_t byte = 0;
                    for (int i = 0; i < 8; ++i) {
                        if ((colour(left + half * 8 + i, top + row) >> plane) & 1) {
                            byte |= static_cast<std::uint8_t>(0x80 >> i);
                        }
                    }
                    planes.push_back(byte);
                }
            }
        }
    }
    return planes;
}

}  // namespace testing_support
