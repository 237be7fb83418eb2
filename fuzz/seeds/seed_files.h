// The seed inputs of the fuzz targets, one per accepted variant of each format, written
// byte by byte from the formats themselves (no code under test makes them).
#pragma once

#include <filesystem>
#include <string>

#include "dev_support/le_bytes.h"

namespace fuzzing {

using dev_support::AppendLE16;
using dev_support::AppendLE32;
using dev_support::Bytes;
using dev_support::PutLE16;
using dev_support::PutLE32;

// A tile set file: a header as New makes it, attributes and frames that differ from tile to
// tile, and planes of `PlaneCells` cells after the frame section.
struct TileSetSeed {
    int Tiles = 1;
    int Frames = 4;
    int PlaneCells = 0;  // cells of planar graphics after the frame section
    int FirstCell = 0;   // frame f of tile t shows cell firstCell + 13 f + t, wrapped to -1024..1023
};
Bytes TileSetFile(const TileSetSeed& seed);

// Writes `bytes` as the file `name` of `folder`; exits with a message when it cannot.
void WriteSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes);

// Each writes its target's seeds into `folder`, which exists.
void WriteTileSetSeeds(const std::filesystem::path& folder);
void WriteSegmendSeeds(const std::filesystem::path& folder);
void WriteSpacergenSeeds(const std::filesystem::path& folder);
void WriteBitmapSeeds(const std::filesystem::path& folder);
void WritePngSeeds(const std::filesystem::path& folder);
void WriteTlsJsonSeeds(const std::filesystem::path& folder);
void WriteRecoverySeeds(const std::filesystem::path& folder);

}  // namespace fuzzing
