#include "patch_object_file.h"

#include "omf_record.h"
#include "record_scan.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace segmend {

namespace {

// Read in large pieces; room is kept for a record that straddles two pieces.
constexpr std::size_t kReadChunk = std::size_t{1} << 20;

PatchOutcome Failure(const char* action) {
    return {PatchStatus::Failed, action, errno != 0 ? errno : EIO};
}

PatchOutcome WriteBack(std::FILE* file, std::uint64_t offset, const std::vector<std::uint8_t>& body) {
    // Update mode: the file must be repositioned between reading and writing.
    errno = 0;
    if (offset > static_cast<std::uint64_t>(LONG_MAX) || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
        return Failure("seek in");
    }
    errno = 0;
    if (std::fwrite(body.data(), 1, body.size(), file) != body.size() || std::fflush(file) != 0) {
        return Failure("write");
    }
    return {};
}

PatchOutcome WalkFile(std::FILE* file) {
    SegmentPatcher patcher;
    std::vector<std::uint8_t> buffer(kReadChunk + kLongestRecord);
    std::size_t filled = 0;
    std::uint64_t bufferStart = 0;  // file position of buffer[0]
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buffer.data() + filled, 1, buffer.size() - filled, file);
        if (got == 0) {
            // A record cut short by the end of the file ends the walk.
            return std::ferror(file) ? Failure("read") : PatchOutcome{};
        }
        filled += got;
        const ScanResult scan = ScanRecords(patcher, std::span(buffer.data(), filled));
        if (scan.Rewrite) {
            return WriteBack(file, bufferStart + scan.Rewrite->BodyOffset, scan.Rewrite->Body);
        }
        std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(scan.Consumed),
                  buffer.begin() + static_cast<std::ptrdiff_t>(filled), buffer.begin());
        filled -= scan.Consumed;
        bufferStart += scan.Consumed;
    }
}

}  // namespace

PatchOutcome PatchObjectFile(const char* path) {
    std::FILE* file = std::fopen(path, "r+b");
    if (file == nullptr) {
        return {PatchStatus::CannotOpen, {}, errno};
    }
    // The walk reads in large pieces itself; a stream buffer would only add a copy.
    std::setvbuf(file, nullptr, _IONBF, 0);

    const PatchOutcome walked = WalkFile(file);
    errno = 0;
    const bool closed = std::fclose(file) == 0;
    if (walked.Status != PatchStatus::Done) {
        return walked;
    }
    if (!closed) {
        return Failure("close");
    }
    return {};
}

bool PatchImage(std::vector<std::uint8_t>& image) {
    SegmentPatcher patcher;
    const ScanResult scan = ScanRecords(patcher, image);
    if (!scan.Rewrite) {
        return false;
    }
    std::copy(scan.Rewrite->Body.begin(), scan.Rewrite->Body.end(),
              image.begin() + static_cast<std::ptrdiff_t>(scan.Rewrite->BodyOffset));
    return true;
}

}  // namespace segmend
