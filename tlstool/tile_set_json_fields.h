// The names and fixed values of the tile set's text form, shared by its writer and reader.
#pragma once

namespace tlstool {

constexpr const char* kFormatName = "mosalind-tile-set";
constexpr int kFormatVersion = 1;

constexpr const char* kFormatField = "format";
constexpr const char* kVersionField = "version";
constexpr const char* kFrameCountField = "frame_count";
constexpr const char* kHeaderField = "header";
constexpr const char* kTilesField = "tiles";

constexpr const char* kPlaneSizeField = "plane_size";
constexpr const char* kAttributeOffsetField = "attribute_offset";
constexpr const char* kFrameOffsetField = "frame_offset";
constexpr const char* kPlanesOffsetField = "planes_offset";
constexpr const char* kReservedField = "reserved";

constexpr const char* kTypeField = "type";
// The sides in the order of their attribute slots 1 to 4.
constexpr const char* kSideFields[4] = {"top", "right", "bottom", "left"};
constexpr const char* kFramesField = "frames";
constexpr const char* kFrameValuesField = "frame_values";

constexpr const char* kBlockingField = "blocking";
constexpr const char* kSlopeField = "slope";
constexpr const char* kBitsField = "bits";

// A side word's slope bits 2-7, which "bits" gives as they stand in the word.
constexpr int kSlopeBitsMask = 0xFC;

}  // namespace tlstool
