// The text form of tile sets, as tlstool export writes it and as people edit it: with and
// without the header, every kind of type and side, frame values that are not cells x 32.
#include <string>

#include "seed_files.h"

namespace fuzzing {

namespace {

void WriteText(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    WriteSeed(folder, name, Bytes(text.begin(), text.end()));
}

const char* const kPlainSide = "{ \"blocking\": 0 }";

std::string Tile(const std::string& type, const std::string& top, const std::string& frames,
                 const std::string& extra = "") {
    return std::string("    { \"type\": ") + type + ", \"top\": " + top + ", \"right\": " + kPlainSide +
           ", \"bottom\": { \"blocking\": 2 }, \"left\": " + kPlainSide + ", \"frames\": " + frames + extra + " }";
}

std::string Document(int frameCount, const std::string& header, const std::string& tiles) {
    return "{\n  \"format\": \"mosalind-tile-set\",\n  \"version\": 1,\n  \"frame_count\": " +
           std::to_string(frameCount) + ",\n" + header + "  \"tiles\": [\n" + tiles + "\n  ]\n}\n";
}

}  // namespace

void WriteTlsJsonSeeds(const std::filesystem::path& folder) {
    const std::string header =
        "  \"header\": { \"plane_size\": 1248, \"attribute_offset\": 64, \"frame_offset\": 79, \"planes_offset\": "
        "103, \"reserved\": \"" +
        std::string(86, '0') + "a5\" },\n";
    const std::string tiles = Tile("\"Door 1\"", "{ \"blocking\": 1, \"slope\": [0, 4] }", "[26, 38, 26, 26]") + ",\n" +
                              Tile("\"Foreground\"", "{ \"blocking\": 3, \"slope\": [4, 3] }", "[1, 2, 3, 4]") + ",\n" +
                              Tile("\"Masked\"", "{ \"blocking\": 2, \"slope\": [2, 0] }", "[0, 0, 0, 0]");
    WriteText(folder, "with-header", Document(4, header, tiles));
    WriteText(folder, "without-header", Document(4, "", tiles));
    WriteText(
        folder, "eight-frames",
        Document(8, "",
                 Tile("\"Teleporter\"", kPlainSide, "[0, 1, 2, 3, 4, 5, 6, 7]") + ",\n" +
                     Tile("\"---\"", "{ \"blocking\": 0, \"slope\": [1, 2] }", "[38, 37, 36, 35, 34, 33, 32, 31]")));
    WriteText(folder, "foreign-values",
              Document(3,
                       "  \"header\": { \"plane_size\": -7, \"attribute_offset\": 1, \"frame_offset\": -2, "
                       "\"planes_offset\": 2147483647, \"reserved\": \"" +
                           std::string(88, 'f') + "\" },\n",
                       Tile("77", "{ \"blocking\": 3, \"bits\": 12 }", "[1, -1, 1023]",
                            ", \"frame_values\": [40, -40, 32767]") +
                           ",\n" + Tile("255", "{ \"blocking\": 0, \"bits\": 252 }", "[-1024, 0, 0]")));
}

}  // namespace fuzzing
