// What every fuzz target shares: stopping on a broken property, and where the readers that
// take a path get their files.
#pragma once

#include <filesystem>

namespace fuzzing {

// Stops the run when `holds` is false, naming the property. libFuzzer then keeps the input
// as a crash; a replay has named the input just before.
void FuzzCheck(bool holds, const char* property);

// Whether the program replays a corpus rather than fuzzing. A replay has time to check
// every input in each way that a fuzzing run spreads over many inputs.
bool Replaying();
void MarkReplaying();

// Where the targets that read from a path keep their scratch folder (a dev_support::TempDir):
// /dev/shm, memory, so the many small writes cost little, or else the system's temporary folder.
std::filesystem::path ScratchParent();

}  // namespace fuzzing
