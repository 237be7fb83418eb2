#pragma once

#include <string>

namespace segmend {

enum class PatchStatus { Done, CannotOpen, Failed };

struct PatchOutcome {
    PatchStatus status = PatchStatus::Done;
    std::string failedAction;  // for Failed: "read", "seek in", "write" or "close"
    int error = 0;             // for Failed: the system's error number
};

// Opens the object file for update, walks its records front to back and rewrites the
// body of the SEGDEF to change in place. The file's length never changes.
PatchOutcome patchObjectFile(const char* path);

}  // namespace segmend
