#pragma once

#include <cerrno>
#include <cstring>
#include <string>

namespace mosalind {

// The system's own wording for an errno value, for the one-line refusals of file access.
inline std::string SystemReason(int errorNumber) {
    return std::strerror(errorNumber);
}

}  // namespace mosalind
