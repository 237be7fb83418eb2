#include "base/byte_file_reader.h"

#include <cerrno>
#include <limits>

#include "base/refused_error.h"
#include "base/system_reason.h"

namespace mosalind {

ByteFileReader::ByteFileReader(const std::string& path) : path_(path) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        throw RefusedError("Cannot open " + path + ": " + SystemReason(errno));
    }
}

ByteFileReader::~ByteFileReader() {
    std::fclose(file_);
}

std::size_t ByteFileReader::Read(std::uint8_t* destination, std::size_t count) {
    if (count == 0) {
        return 0;
    }
    errno = 0;
    const std::size_t got = std::fread(destination, 1, count, file_);
    if (got < count && std::ferror(file_)) {
        const int reason = errno;
        throw RefusedError("Cannot read " + path_ + ": " + SystemReason(reason != 0 ? reason : EIO));
    }
    return got;
}

void ByteFileReader::Seek(std::uint64_t offset) {
    errno = 0;
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ||
        std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
        const int reason = errno;
        throw RefusedError("Cannot read " + path_ + ": " + SystemReason(reason != 0 ? reason : EINVAL));
    }
}

}  // namespace mosalind
