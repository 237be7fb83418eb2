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
