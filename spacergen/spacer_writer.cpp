#include "spacer_writer.h"

#include "block_run.h"
#include "decimal_digits.h"
#include "spacer_text.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace spacergen {

namespace {

bool WriteBlockFunctions(const SpacerLayout& layout, TextSink& sink, std::size_t runBytes, std::uint64_t fileOffset) {
    if (layout.BlockCount <= 0) {
        return true;
    }
    BlockRun run(runBytes, fileOffset);
    // Names are A + k wrapped to 32 bits and printed unsigned; a run never spans a change
    // of digit count (which includes the wrap from 4294967295 to 0).
    std::uint32_t name = static_cast<std::uint32_t>(layout.A) + 1u;
    std::uint64_t remaining = static_cast<std::uint64_t>(layout.BlockCount);
    while (remaining > 0) {
        const std::uint64_t count = std::min({remaining, std::uint64_t{run.Capacity()}, NumbersWithSameDigits(name)});
        if (!sink.Write(run.Blocks(name, static_cast<std::uint32_t>(count)))) {
            return false;
        }
        name += static_cast<std::uint32_t>(count);
        remaining -= count;
    }
    return true;
}

}  // namespace

bool WriteSpacer(const SpacerLayout& layout, TextSink& sink, std::size_t runBytes) {
    const std::string first = FirstFunction(layout);
    return sink.Write(first) && WriteBlockFunctions(layout, sink, runBytes, first.size());
}

}  // namespace spacergen
