#include "output_file.h"

#include <cerrno>
#include <cstring>

namespace spacergen {

OutputFile::~OutputFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool OutputFile::Open(const std::string& path) {
    errno = 0;
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        error_ = errno;
        return false;
    }
    // The text arrives in large chunks already; a second buffer would only copy it again.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

bool OutputFile::Write(std::string_view text) {
    if (file_ == nullptr) {
        return false;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        error_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

bool OutputFile::Close() {
    if (file_ == nullptr) {
        return false;
    }
    errno = 0;
    const int result = std::fclose(file_);
    file_ = nullptr;
    if (result != 0) {
        error_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

std::string OutputFile::ErrorText() const {
    return std::strerror(error_ != 0 ? error_ : EIO);
}

}  // namespace spacergen
