#pragma once

#include <cstddef>

namespace mosalind {

// Asks the system to back [start, start + bytes) with large pages where it can. A tall
// sheet's pixels, planes and picture are each several megabytes that Load Tiles writes
// once from end to end; with small pages the first touch of every 4 KiB costs more than
// the work done in it. Call it before the memory is first written; it is only a hint.
void AdviseLargePages(void* start, std::size_t bytes);

}  // namespace mosalind
