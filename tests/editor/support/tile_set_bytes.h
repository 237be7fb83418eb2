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
    int TileCount = 0;
    int FrameCount = 0;
    int PlaneSize = 0;
    std::int32_t AttributeOffset = 0;
    std::int32_t FrameOffset = 0;
    std::int32_t PlanesOffset = 0;
    std::array<std::uint8_t, 44> Reserved{};
    std::array<std::vector<std::uint8_t>, 5> Attributes;  // [slot][tile]
    std::vector<std::vector<int>> Frames;                 // [frame][tile]: cell numbers
    // [frame][tile]: the frame section's values as stored, for files whose values are not
    // cell x 32; when empty, Frames x 32 is stored.
    std::vector<std::vector<int>> StoredFrames;
    dev_support::Bytes Planes;  // the planar section as it stands

    // A tile set as New makes it: every attribute 0, every frame of tile t on cell t,
    // wrapping after `cells`.
    static TileSetContent Fresh(int tileCount, int frameCount, int planeSize, int cells) {
        TileSetContent content;
        content.TileCount = tileCount;
        content.FrameCount = frameCount;
        content.PlaneSize = planeSize;
        content.AttributeOffset = 64;
        content.FrameOffset = 64 + 5 * tileCount;
        content.PlanesOffset = content.FrameOffset + 2 * tileCount * frameCount;
        for (auto& row : content.Attributes) {
            row.assign(tileCount, 0);
        }
        content.Frames.assign(frameCount, std::vector<int>(tileCount));
        for (auto& row : content.Frames) {
            for (int tile = 0; tile < tileCount; ++tile) {
                row[tile] = tile % cells;
            }
        }
        return content;
    }

    dev_support::Bytes FileBytes() const {
        dev_support::Bytes bytes(62, 0);
        dev_support::PutLE16(bytes, 0, static_cast<std::uint16_t>(TileCount));
        dev_support::PutLE16(bytes, 2, static_cast<std::uint16_t>(FrameCount));
        dev_support::PutLE16(bytes, 4, static_cast<std::uint16_t>(PlaneSize));
        dev_support::PutLE32(bytes, 6, static_cast<std::uint32_t>(AttributeOffset));
        dev_support::PutLE32(bytes, 10, static_cast<std::uint32_t>(FrameOffset));
        dev_support::PutLE32(bytes, 14, static_cast<std::uint32_t>(PlanesOffset));
        for (int i = 0; i < 44; ++i) {
            bytes[18 + i] = Reserved[i];
        }
        for (const auto& row : Attributes) {
            bytes.insert(bytes.end(), row.begin(), row.end());
        }
        for (std::size_t frame = 0; frame < Frames.size(); ++frame) {
            for (std::size_t tile = 0; tile < Frames[frame].size(); ++tile) {
                const int value = StoredFrames.empty() ? Frames[frame][tile] * 32 : StoredFrames[frame][tile];
                const std::uint16_t stored = static_cast<std::uint16_t>(value);
                bytes.push_back(static_cast<std::uint8_t>(stored & 0xFF));
                bytes.push_back(static_cast<std::uint8_t>(stored >> 8));
            }
        }
        bytes.insert(bytes.end(), Planes.begin(), Planes.end());
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
