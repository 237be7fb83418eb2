#pragma once

#include <string_view>

namespace spacergen {

// Where the generated text goes. The generator hands it large chunks.
class TextSink {
public:
    virtual ~TextSink() = default;
    // Returns false when the text could not be written completely.
    virtual bool Write(std::string_view text) = 0;
};

}  // namespace spacergen
