#pragma once

#include "text_sink.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace spacergen {

// A text file created (or truncated) for writing. Every failure keeps the system's
// error number so the caller can say why.
class OutputFile : public TextSink {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() override;

    bool Open(const std::string& path);
    bool Write(std::string_view text) override;
    // Closing flushes what the system still holds; its failure means lost text.
    bool Close();

    // The system's reason for the last failure.
    std::string ErrorText() const;

private:
    std::FILE* file_ = nullptr;
    int error_ = 0;
};

}  // namespace spacergen
