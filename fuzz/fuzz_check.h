// What every fuzz target shares: stopping on a broken property, and a scratch folder for
// the readers that take a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fuzzing {

// Stops the run when `holds` is false, naming the property. libFuzzer then keeps the input
// as a crash; a replay has named the input just before.
void FuzzCheck(bool holds, const char* property);

// Whether the program replays a corpus rather than fuzzing. A replay has time to check
// every input in each way that a fuzzing run spreads over many inputs.
bool Replaying();
void MarkReplaying();

// A folder of its own under /dev/shm (memory, so the many small writes cost little) or the
// system's temporary folder, removed with everything in it when the program ends.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

}  // namespace fuzzing
