#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace segmend {

enum class PatchStatus { Done, CannotOpen, Failed };

struct PatchOutcome {
    PatchStatus Status = PatchStatus::Done;
    std::string FailedAction;  // for Failed: "read", "seek in", "write" or "close"
    int Error = 0;             // for Failed: the system's error number
};

// Opens the object file for update, walks its records front to back and rewrites the
// body of the SEGDEF to change in place. The file's length never changes.
PatchOutcome PatchObjectFile(const char* path);

// Patches a whole object file held in memory; a record cut short by the end ends the
// walk. Returns whether a SEGDEF was rewritten.
bool PatchImage(std::vector<std::uint8_t>& image);

}  // namespace segmend
