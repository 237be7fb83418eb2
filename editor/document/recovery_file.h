#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/tile_set.h"
#include "document/try_scratch.h"
#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet_format.h"

namespace mosalind {

// A recovery file: the copy the editor keeps on disk of a tile set that differs from what
// was last saved, so that the edits outlive a kill or a crash of the program, and with it
// the editor's work that no set file holds. Its own format, little-endian and packed:
//
//   offset  bytes  field
//        0     16  "Mosalind unsaved"
//       16      2  format version, 2
//       18      8  when the edits were kept: milliseconds since 1970-01-01 00:00 UTC
//       26     48  the tile sheet's 16 colours, red, green, blue each
//       74      4  S, the length of the sheet's path
//       78      4  O, the length of the set's own file's path (0 for a new set)
//       82      4  T, the length of the tile set file
//       86      S  the sheet's path
//   86 + S      O  the set's own file's path
//   .. + O      T  the tile set file, byte for byte as Save writes it, planes included
//  .. + T       4  CRC-32 of every byte before the tile set file's planes
//  .. + 4       4  CRC-32 of the planes
//        E      4  K, the length of the work kept beside the set (E = 94 + S + O + T)
//    E + 4      K  that work, below
//  E+4+K        4  CRC-32 of the K + 4 bytes from E
//
// The work kept beside the set, from E + 4 (numbers signed):
//        0      2  D, the number of blank tiles done by hand
//        2     2D  their tile numbers, increasing, each a tile of the set
//   2 + 2D      4  C, the columns of the Try window's map, 1 or more
//   6 + 2D      4  R, its rows, 1 or more; C x R at most 4,194,304
//  10 + 2D      4  the column of the figure's start, 0 to C - 1
//  14 + 2D      4  the row of the figure's start, 0 to R - 1
//  18 + 2D     64  the motion parameters, IEEE 754 doubles from 0 to 16: gravity, greatest
//                  fall, run speed, run acceleration, jump speed, friction, friction on a
//                  slippery top, friction on an icy top
//  82 + 2D    4CR  the map's cells row by row: -1 for no tile, else a tile number
// so K is 82 + 2D + 4CR.
//
// Format 1 is format 2 up to E: the file ends there, and gives no tiles done and no Try
// state. A file of another length, another start or another version, or whose checksums,
// tile set or kept work do not hold, is refused: it is damaged or not this editor's. The
// planes have a checksum of their own, as they are read only when the sheet's file is gone.
constexpr char kRecoveryMagic[] = "Mosalind unsaved";
constexpr int kRecoveryMagicBytes = 16;
constexpr int kRecoveryFormatVersion = 2;
constexpr int kRecoveryFirstFormatVersion = 1;
constexpr int kRecoveryHeaderBytes = 86;

// The editor's work kept with the set: the blank tiles the user has done (a DoneTiles) and
// the Try window's scratch map, start and motion parameters.
struct RecoveryWork {
    std::bitset<kMaxTiles> DoneBlank;
    TryScratch Try;
};

// What the kept edits belong to, and when they were kept.
struct RecoveryNote {
    std::int64_t KeptAt = 0;  // milliseconds since 1970-01-01 00:00 UTC
    std::string SheetPath;    // the loaded tile sheet's file
    std::string OwnFile;      // the set's own file; empty for a new set
    // The sheet's colours, so that its cells can be shown from the planes when the sheet's
    // file is gone.
    std::array<BMPPaletteEntry, kSheetPaletteEntries> Palette{};
};

// A recovery file's bytes but its checksum, made on the editor's window thread from the
// document as it is at that moment, so that another thread can write them while editing
// goes on. The planes change only with the sheet, so every snapshot of one sheet shares
// one copy of them.
using SharedPlanes = std::shared_ptr<const std::vector<std::uint8_t>>;
struct RecoverySnapshot {
    std::vector<std::uint8_t> Head;  // the header, the paths and the tile set file up to its planes
    SharedPlanes Planes;             // the tile set file's planes
    std::vector<std::uint8_t> Work;  // K and the work kept beside the set
};

// Copies the document and `work` into a snapshot, with `planes` as its planes when they are
// a copy of `graphics`' planes made for an earlier snapshot (else with a copy made now).
// Done tiles the set does not have are left out; a Try state that a recovery file cannot
// hold (not one the Try window makes) is kept as the default one, so the set's edits still
// are. Throws RefusedError, naming `path`, for a document that Save refuses.
RecoverySnapshot MakeRecoverySnapshot(const std::string& path, const RecoveryNote& note, const TileSet& tileSet,
                                      const TileGraphics& graphics, SharedPlanes planes = {},
                                      const RecoveryWork& work = {});

// Gives one recovery file a snapshot and its checksum at a time, as Save replaces a file: a
// failure leaves the file as it was. The planes' checksum is worked out once for all the
// snapshots that share them.
class RecoveryFileWriter {
public:
    explicit RecoveryFileWriter(std::string path) : path_(std::move(path)) {}
    // Throws RefusedError.
    void Write(const RecoverySnapshot& snapshot);

private:
    std::string path_;
    SharedPlanes checkedPlanes_;  // held, so that no other planes can take their place in memory
    std::uint32_t planesChecksum_ = 0;
};

// One snapshot, written as RecoveryFileWriter writes it.
void WriteRecoveryFile(const std::string& path, const RecoverySnapshot& snapshot);

// What a recovery file gives back at the start: the note and the document as Open reads it
// (entries beyond its counts 0), how many cells its planes hold, and the work kept beside
// the set (a format 1 file's: no tiles done, no Try state).
struct RecoveredSet {
    RecoveryNote Note;
    TileSet Document;
    std::int16_t PlaneCells = 0;
    std::bitset<kMaxTiles> DoneBlank;
    std::optional<TryScratch> Try;
};

// Reads all but the planes. Throws RefusedError, one line naming the file and saying what is
// wrong, for a file that cannot be read, is damaged or is not a recovery file of this
// editor's format.
RecoveredSet ReadRecoveryFile(const std::string& path);

// The planes that were saved with the document, for when the sheet's file is gone. Throws
// RefusedError as ReadRecoveryFile does, and for planes that do not match their checksum.
TileGraphics ReadRecoveryPlanes(const std::string& path);

}  // namespace mosalind
