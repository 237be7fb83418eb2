#pragma once

#include <stdexcept>
#include <string>

namespace mosalind {

// A refusal of the editor's core: a file that cannot be read or written, a value the
// tile set format cannot hold, a bitmap that is not a tile sheet. The message is one line
// that the window shows as it stands (it names the file where there is one). A refused
// operation has changed nothing that existed before it.
class RefusedError : public std::runtime_error {
public:
    explicit RefusedError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace mosalind
