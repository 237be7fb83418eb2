// The commands as a user runs them: what check lists, how the usage is answered, and every
// kind of bad input refused with one line, exit status 1 and the output file untouched.
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tlstool_run.h"

namespace tlstool_test {
namespace {

// A set of one row's worth of tiles, as New makes it for the sheet `MakeSheet(1)`.
std::string PlainJson(const std::string& firstTile, const std::string& header = "") {
    std::string text = "{ \"format\": \"mosalind-tile-set\", \"version\": 1, \"frame_count\": 4, " + header +
                       "\"tiles\": [" + firstTile;
    text +=
        ", { \"type\": \"Nothing\", \"top\": { \"blocking\": 0 }, \"right\": { \"blocking\": 0 }, "
        "\"bottom\": { \"blocking\": 0 }, \"left\": { \"blocking\": 0 }, \"frames\": [1, 1, 1, 1] }] }";
    return text;
}

std::string Tile(const std::string& type, const std::string& top, const std::string& frames,
                 const std::string& extra = "") {
    return "{ \"type\": " + type + ", \"top\": " + top +
           ", \"right\": { \"blocking\": 0 }, \"bottom\": { \"blocking\": 0 }, \"left\": { \"blocking\": 0 }, "
           "\"frames\": " +
           frames + extra + " }";
}

const std::string kGoodTile = Tile("\"Kills\"", "{ \"blocking\": 1 }", "[0, 0, 0, 0]");

class TlstoolCommands : public TlstoolProgram {
protected:
    void SetUp() override {
        const TestSheet sheet = MakeSheet(1);
        sheet_ = Write("sheet.bmp", sheet.Bmp);
        RawTileSet set = PlainTileSet(13, 4, 13);
        set.Planes = sheet.Planes;
        goodSet_ = Write("good.tls", set.FileBytes());
    }
    std::string sheet_;
    std::string goodSet_;
};

TEST_F(TlstoolCommands, HelpAndVersionAnswerOnStandardOutput) {
    const struct {
        std::vector<std::string> Arguments;
        std::string Start;
    } cases[] = {
        {{"--help"}, "Tile set files in the game's build"},
        {{"--version"}, "tlstool (Mosalind) " MOSALIND_VERSION "\n"},
        {{"export", "--help"}, "Write SET's text form"},
        {{"import", "--help"}, "Write the set that JSON describes"},
        {{"refresh", "--help"}, "Give SET the planes of SHEET"},
        {{"suggest", "--help"}, "Give SET's blank tiles the blocking"},
        {{"check", "--help"}, "List what the game or the editor would trip over"},
        {{"try", "--help"}, "Run the editor's Try figure over MAP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.front() + " " + c.Arguments.back());
        const testing_support::ProgramResult result = Run(c.Arguments);
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_EQ(result.Out.substr(0, c.Start.size()), c.Start);
        EXPECT_EQ(result.Err, "");
    }
}

// Each finding is one line on standard output, "file: place: what"; exit status 1.
TEST_F(TlstoolCommands, CheckListsWhatTheGameWouldTripOver) {
    const TestSheet sheet = MakeSheet(1);
    RawTileSet set = PlainTileSet(3, 3, 13);
    set.FrameOffset = 80;               // 64 + 5 x 3 = 79
    set.Attributes[0] = {29, 254, 0};   // 29 has no row ("---" stores 0); 254 is "Masked"
    set.Attributes[1] = {12, 0, 0};     // slope bits without bit 7
    set.Attributes[2] = {0, 176, 129};  // slope kind 3 does not decode; 129 is a slope from 0 to 4
    set.StoredFrames[0] = {40, 32 * 13, 32 * 12};
    set.StoredFrames[1] = {-40, 32 * 12, 32 * 12};
    set.StoredFrames[2] = {0, -32, 32 * 12};
    set.Planes = sheet.Planes;
    set.Planes.push_back(0);  // a byte past the last cell
    const std::string file = Write("odd.tls", set.FileBytes());

    const std::string expectedWithoutSheet =
        file + ": header: the frame count 3 is neither 4 nor 8\n" + file +
        ": header: the frame offset is 80, but 3 tiles of 3 frames put it at 79\n" + file +
        ": length: the file is 1760 bytes long, leaving 1665 bytes after the frame "
        "section, which is not a whole number of 128-byte cells\n" +
        file + ": tile 0: type 29 has no row in the tile type list\n" + file +
        ": tile 0, top side: slope bits 12 without bit 7 (the side's slope)\n" + file +
        ": tile 0: frames 1 and 2 store 40 and -40, which are not multiples of 32 (a cell's offset)\n" + file +
        ": tile 1, right side: slope bits 176 do not decode to a slope\n";
    testing_support::ProgramResult result = Run({"check", file});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, expectedWithoutSheet);
    EXPECT_EQ(result.Err, "");

    // Against the sheet: the cell past its 13 and planes that are not its own.
    result = Run({"check", file, "--sheet", sheet_});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_NE(result.Out.find(file + ": planes: the planar graphics are not the sheet's (13 cells); tlstool refresh "
                                     "writes them anew\n"),
              std::string::npos)
        << result.Out;
    // One line a tile, its frames counted from 1 as the window's buttons count them.
    EXPECT_NE(result.Out.find(file + ": tile 1: frames 1 and 3 show cells 13 and -1, which are not among the sheet's "
                                     "13 cells\n"),
              std::string::npos)
        << result.Out;
    EXPECT_EQ(result.Out.find("tile 1: frame"), result.Out.rfind("tile 1: frame")) << result.Out;

    for (const auto& arguments : {std::vector<std::string>{"check", goodSet_},
                                  std::vector<std::string>{"check", goodSet_, "--sheet", sheet_}}) {
        result = Run(arguments);
        EXPECT_EQ(result.ExitStatus, 0) << result.Out;
        EXPECT_EQ(result.Out + result.Err, "");
    }
}

// Each cell of the sheet has its left half in colour n + 1 and its right half in colour 0,
// the one counted empty when no cell is of one colour: every tile's left side blocks.
TEST_F(TlstoolCommands, SuggestGivesBlankTilesWhatTheirArtSuggests) {
    const Bytes before = dev_support::ReadFileBytes(goodSet_);
    testing_support::ProgramResult result = Run({"suggest", goodSet_, "--sheet", sheet_, "--empty", "0,1", "--list"});
    EXPECT_EQ(result.ExitStatus, 1) << "--list with tiles to change";
    std::string expected;
    std::string listed;                      // --list also says where each suggestion comes from
    for (int tile = 1; tile < 13; ++tile) {  // tile 0's colours 1 and 0 are both empty
        expected += goodSet_ + ": tile " + std::to_string(tile) + ": left 0 -> 1\n";
        listed += goodSet_ + ": tile " + std::to_string(tile) + ": left 0 -> 1 (from the art: blocks left)\n";
    }
    EXPECT_EQ(result.Out, listed);
    EXPECT_EQ(dev_support::ReadFileBytes(goodSet_), before);

    result = Run({"suggest", goodSet_, "--sheet", sheet_, "--empty", "0,1"});
    EXPECT_EQ(result.ExitStatus, 0);
    EXPECT_EQ(result.Out, expected);
    Bytes after = before;
    for (int tile = 1; tile < 13; ++tile) {
        after[62 + 4 * 13 + tile] = 1;  // the left sides' row of the attribute section
    }
    EXPECT_EQ(dev_support::ReadFileBytes(goodSet_), after);

    result = Run({"suggest", goodSet_, "--sheet", sheet_, "--all", "--list"});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, goodSet_ + ": tile 0: left 0 -> 1 (from the art: blocks left)\n")
        << "with colour 1 solid, tile 0 blocks too";
    result = Run({"suggest", goodSet_, "--sheet", sheet_, "--empty", "0,1", "--all", "--list"});
    EXPECT_EQ(result.ExitStatus, 0);
    EXPECT_EQ(result.Out + result.Err, "");
}

TEST_F(TlstoolCommands, BadInputIsRefusedInOneLineAndTouchesNoOutput) {
    RawTileSet cut = PlainTileSet(13, 4, 13);
    const Bytes cutBytes = cut.FileBytes();
    Write("cut.tls", Bytes(cutBytes.begin(), cutBytes.begin() + 100));
    Write("short.tls", Bytes(cutBytes.begin(), cutBytes.begin() + 61));
    RawTileSet many = PlainTileSet(13, 4, 13);
    many.TileCount = 1202;
    Write("many.tls", many.FileBytes());
    WriteText("notes.bmp", "not a sheet");
    WriteText("levels.json", PlainJson(kGoodTile));
    Write("binary.json", Bytes{0xB1, 0x04, 0x1B, '[', '2', 'J', 0xFF});
    std::filesystem::create_directory(folder_.Path() / "folder.tsx");
    const std::string pngNamedSheet = Write("art.png", MakeSheet(1).Bmp);
    // Sparse: 10 GB long, no room on the disk; read whole, it would take minutes and gigabytes.
    for (const char* huge : {"huge.tls", "huge.json"}) {
        WriteText(huge, "");
        std::filesystem::resize_file(File(huge), std::uintmax_t{10} << 30);
    }
    ASSERT_EQ(mkfifo(File("pipe.tls").c_str(), 0600), 0);
    std::filesystem::create_symlink(File("gone.tls"), File("dangling.tls"));

    const std::string json = File("set.json");
    const std::string out = File("out.tls");
    const std::vector<std::string> import{"import", json, "--sheet", sheet_, "-o", out};
    const std::string tooMany = [] {
        std::string tiles = kGoodTile;
        for (int i = 1; i < 1202; ++i) {
            tiles += ", " + kGoodTile;
        }
        return "{ \"format\": \"mosalind-tile-set\", \"version\": 1, \"frame_count\": 4, \"tiles\": [" + tiles + "] }";
    }();
    const auto header = [](int frameCount) {
        return "{ \"format\": \"mosalind-tile-set\", \"version\": 1, \"frame_count\": " + std::to_string(frameCount) +
               ", \"tiles\": [] }";
    };
    const auto zeroTile = [](const std::string& top, const std::string& frames = "[0, 0, 0, 0]") {
        return PlainJson(Tile("0", top, frames));
    };

    // tlstool try on a set whose tile 1 blocks on its right side and tile 2 on its top only.
    RawTileSet trySet = PlainTileSet(13, 4, 13);
    trySet.Attributes[2][1] = 1;
    trySet.Attributes[1][2] = 1;
    const std::string trySetPath = Write("try.tls", trySet.FileBytes());
    WriteText("tiles.tsx", "<tileset/>");
    const auto tryOn = [&](const std::string& start, const std::string& name = "map.csv") {
        return std::vector<std::string>{"try", trySetPath, File(name), "--start", start};
    };
    // A one-cell map of the map editor, its first tileset's tag and its layer's data given.
    const auto tmx = [](const std::string& tileset, const std::string& encoding, const std::string& data) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" orientation=\"orthogonal\" "
               "width=\"1\" height=\"1\" tilewidth=\"16\" tileheight=\"16\">\n <tileset " +
               tileset + ">" + (tileset.back() == '/' ? "" : "</tileset>") +
               "\n <layer id=\"1\" name=\"a\" width=\"1\" height=\"1\">\n  <data encoding=\"" + encoding + "\">\n" +
               data + "\n</data>\n </layer>\n</map>\n";
    };
    const std::string usage = " (tlstool --help shows the usage)";
    const std::string subcommands = "(export, import, refresh, suggest, check and try; tlstool --help shows the usage)";

    const struct {
        const char* Name;
        std::vector<std::string> Arguments;
        std::string Expected;      // the whole line after "tlstool: "; empty: a line naming notes.bmp
        std::string Written = "";  // written first to set.json (import) or to the map's file (try)
        std::string Map = "map.csv";
    } cases[] = {
        {"no subcommand", {}, "a subcommand is required " + subcommands},
        {"unknown subcommand", {"frobnicate", "x.tls"}, "\"frobnicate\" is not a subcommand " + subcommands},
        {"-o not given", {"import", json, "--sheet", sheet_}, "-o/--output is required" + usage},
        {"-o without its value", {"refresh", goodSet_, "--sheet", sheet_, "-o"}, "-o needs a value" + usage},
        {"the text form where a .tls is read",
         {"export", File("levels.json"), "-o", out},
         File("levels.json") + " is a tile set's text form (JSON), not a tile set file (.tls); tlstool import makes "
                               "the .tls from it"},
        {"a .tls where the text form is read",
         {"import", goodSet_, "--sheet", sheet_, "-o", out},
         goodSet_ + " is a tile set file (.tls), not a tile set's text form (JSON); tlstool export writes the text "
                    "form"},
        {"bytes that are not text",
         {"import", File("binary.json"), "--sheet", sheet_, "-o", out},
         File("binary.json") +
             ": line 1, column 1: syntax error while parsing value - invalid literal; last read: '?'"},
        {"--tsx without --sheet", {"export", goodSet_, "--tsx", File("levels.tsx")}, "--tsx requires --sheet" + usage},
        {"--tsx and -o",
         {"export", goodSet_, "--sheet", sheet_, "--tsx", File("levels.tsx"), "-o", out},
         "-o excludes --tsx" + usage},
        {"--tsx not ending in .tsx",
         {"export", goodSet_, "--sheet", sheet_, "--tsx", File("levels.png")},
         File("levels.png") + ": the map editor reads a tileset from a file whose name ends in .tsx"},
        {"--tsx naming a folder",
         {"export", goodSet_, "--sheet", sheet_, "--tsx", File("folder.tsx")},
         "cannot save " + File("folder.tsx") + ": Is a directory"},
        {"the tileset's picture over the sheet",
         {"export", goodSet_, "--sheet", pngNamedSheet, "--tsx", File("art.tsx")},
         pngNamedSheet + " is the sheet this command reads; it is not written over"},
        {"-o over the text form",
         {"import", File("levels.json"), "--sheet", sheet_, "-o", File("levels.json")},
         File("levels.json") + " is the text form this command reads; it is not written over"},
        {"--tsx on a sheet that is not one",
         {"export", goodSet_, "--sheet", File("notes.bmp"), "--tsx", File("levels.tsx")},
         ""},
        {"a colour past 15 for --empty",
         {"suggest", goodSet_, "--sheet", sheet_, "--empty", "0,16", "-o", out},
         "--empty: colours are numbers from 0 to 15, comma-separated, not '16'"},
        {"a range that runs down for --done",
         {"suggest", goodSet_, "--sheet", sheet_, "--done", "3,9-7", "-o", out},
         "--done: a range runs upwards, not '9-7'"},
        {"a tile past the set for --done",
         {"suggest", goodSet_, "--sheet", sheet_, "--done", "2,13", "-o", out},
         "--done: tiles are numbers from 0 to 12 and ranges like 20-25, comma-separated, not '13'"},
        {"suggest over its sheet",
         {"suggest", goodSet_, "--sheet", sheet_, "-o", sheet_},
         sheet_ + " is the sheet this command reads; it is not written over"},
        {"a sheet given as the set: named as a sheet, before where the output goes is looked at",
         {"suggest", sheet_, "--sheet", sheet_},
         sheet_ + " is a tile sheet (BMP), not a tile set file (.tls); it goes after --sheet"},
        {"a set longer than any, by its length alone",
         {"suggest", File("huge.tls"), "--sheet", sheet_, "--list"},
         "cannot read " + File("huge.tls") + ": it is 10737418240 bytes long, longer than any tile set file (at most " +
             std::to_string(62 + 21 * 1201 + 128 * 2520 * 13) + " bytes)"},
        {"a text form longer than any",
         {"import", File("huge.json"), "--sheet", sheet_, "-o", out},
         "cannot read " + File("huge.json") +
             ": it is 10737418240 bytes long, longer than any tile set's text form (at most 16777216 bytes)"},
        {"a FIFO as the set, which would be waited on",
         {"check", File("pipe.tls")},
         "cannot open " + File("pipe.tls") + ": it is a FIFO (named pipe), not a file"},
        {"a FIFO as the output",
         {"refresh", goodSet_, "--sheet", sheet_, "-o", File("pipe.tls")},
         "cannot save " + File("pipe.tls") + ": it is a FIFO (named pipe), not a file"},
        {"a link to nothing as the output, which would be replaced by a file",
         {"export", goodSet_, "-o", File("dangling.tls")},
         "cannot save " + File("dangling.tls") + ": it is a symbolic link to " + File("gone.tls") +
             ", which does not exist"},
        {"unknown option", {"export", goodSet_, "--fast"}, "The following argument was not expected: --fast" + usage},
        {"import without sheet", {"import", json, "-o", out}, "--sheet is required" + usage},
        {"missing set",
         {"refresh", File("none.tls"), "--sheet", sheet_, "-o", out},
         "cannot open " + File("none.tls") + ": No such file or directory"},
        {"set cut in its frame section",
         {"refresh", File("cut.tls"), "--sheet", sheet_, "-o", out},
         File("cut.tls") + " is not a complete tile set: the file ends at byte 100, but its frame section should "
                           "end at byte 231"},
        {"set cut in its header",
         {"export", File("short.tls"), "-o", out},
         File("short.tls") + " is not a complete tile set: the file ends at byte 61, but its header should end at "
                             "byte 62"},
        {"more tiles than a set holds",
         {"check", File("many.tls")},
         File("many.tls") + " is not a tile set the editor can hold: its tile count 1202 is outside 1 to 1201"},
        {"sheet that is not one", {"refresh", goodSet_, "--sheet", File("notes.bmp"), "-o", out}, ""},
        {"malformed JSON", import,
         json + ": line 1, column 13: syntax error while parsing value - unexpected end of input; expected '[', '{', "
                "or a literal",
         "{ \"format\": "},
        {"not an object", import, json + ": the document: must be an object, not a list", "[1]"},
        {"wrong format", import, json + ": format: must be \"mosalind-tile-set\", not \"tiles\"",
         "{ \"format\": \"tiles\", \"version\": 1, \"frame_count\": 4, \"tiles\": [] }"},
        {"later version", import, json + ": version: must be a whole number from 1 to 1, not 2",
         "{ \"format\": \"mosalind-tile-set\", \"version\": 2, \"frame_count\": 4, \"tiles\": [] }"},
        {"unknown field", import, json + ": tiles[0].top: unknown field \"slop\"",
         PlainJson(Tile("\"Kills\"", "{ \"blocking\": 1, \"slop\": [0, 4] }", "[0, 0, 0, 0]"))},
        {"missing field", import, json + ": tiles[0]: has no field \"top\"", PlainJson("{ \"type\": \"Kills\" }")},
        {"unknown type name", import, json + ": tiles[0].type: no tile type is named \"Door 5\"",
         PlainJson(Tile("\"Door 5\"", "{ \"blocking\": 1 }", "[0, 0, 0, 0]"))},
        {"type out of range", import, json + ": tiles[0].type: must be a whole number from 0 to 255, not 256",
         PlainJson(Tile("256", "{ \"blocking\": 1 }", "[0, 0, 0, 0]"))},
        {"blocking out of range", import, json + ": tiles[0].top.blocking: must be a whole number from 0 to 3, not 4",
         zeroTile("{ \"blocking\": 4 }")},
        {"fractional value", import, json + ": tiles[0].top.blocking: must be a whole number from 0 to 3, not 1.5",
         zeroTile("{ \"blocking\": 1.5 }")},
        {"slope without encoding", import,
         json + ": tiles[0].top.slope: levels 1 and 4 make no slope (they must differ by 1, 2 or 4)",
         zeroTile("{ \"blocking\": 0, \"slope\": [1, 4] }")},
        {"bits not in bits 2-7", import,
         json + ": tiles[0].top.bits: holds bits 2-7 of the side word, a multiple of 4, not 13",
         zeroTile("{ \"blocking\": 0, \"bits\": 13 }")},
        {"cell the file cannot hold", import,
         json + ": tiles[0].frames[1]: must be a whole number from -1024 to 1023, not 1024",
         zeroTile("{ \"blocking\": 0 }", "[0, 1024, 0, 0]")},
        {"too few frames", import, json + ": tiles[0].frames: must be a list of 4 numbers, not a list of 3",
         zeroTile("{ \"blocking\": 0 }", "[0, 0, 0]")},
        {"frame value in another cell", import,
         json + ": tiles[0].frame_values[1]: 40 lies in cell 1, but frames[1] is 0",
         PlainJson(Tile("0", "{ \"blocking\": 0 }", "[0, 0, 0, 0]", ", \"frame_values\": [0, 40, 0, 0]"))},
        {"reserved bytes cut short", import,
         json + ": header.reserved: must be a string of 88 hexadecimal digits, not \"00\"",
         PlainJson(kGoodTile,
                   "\"header\": { \"plane_size\": 416, \"attribute_offset\": 64, \"frame_offset\": 74, "
                   "\"planes_offset\": 90, \"reserved\": \"00\" }, ")},
        {"offset out of range", import,
         json + ": header.attribute_offset: must be a whole number from -2147483648 to 2147483647, not 2147483648",
         PlainJson(kGoodTile,
                   "\"header\": { \"plane_size\": 416, \"attribute_offset\": 2147483648, "
                   "\"frame_offset\": 74, \"planes_offset\": 90, \"reserved\": \"\" }, ")},
        {"no tiles", import, json + ": tiles: holds 0 tiles; a tile set holds 1 to 1201", header(4)},
        {"more tiles than the file holds", import, json + ": tiles: holds 1202 tiles; a tile set holds 1 to 1201",
         tooMany},
        {"frame count New does not make", import,
         json + ": frame_count: must be 4 or 8 in a set without \"header\", not 3", header(3)},
        {"missing sheet",
         {"import", json, "--sheet", File("none.bmp"), "-o", out},
         "cannot open " + File("none.bmp") + ": No such file or directory",
         PlainJson(kGoodTile)},
        {"try: a map row of another length", tryOn("1,0"), File("map.csv") + ": line 2 has 2 tiles, the first line 3",
         "-1,-1,-1\n-1,-1\n"},
        {"try: a tile the set does not have", tryOn("0,0"),
         File("map.csv") + ": column 0, row 1: tile 13 is not in the set (it has 13 tiles, 0 to 12)", "-1,-1\n13,0\n"},
        {"try: a start outside the map", tryOn("2,0"), "--start 2,0 lies outside the map (2 x 2 cells, 0,0 to 1,1)",
         "-1,-1\n0,0\n"},
        {"try: a start in a tile that blocks (a platform above is fine, a right side is not)", tryOn("1,1"),
         "--start 1,1: the figure there overlaps tile 1 at 1,1, which blocks (right)", "-1,2\n-1,1\n"},
        {"try: an unknown key",
         {"try", trySetPath, File("map.csv"), "--start", "0,0", "--keys", "right*3 right+jmp*2"},
         "--keys: 'jmp' is not a key (left, right, jump or none)",
         "-1\n"},
        {"try: a .tmx layer not in CSV", tryOn("0,0", "map.tmx"),
         File("map.tmx") + ": the first tile layer is not CSV-encoded (its encoding is 'base64')",
         tmx("firstgid=\"1\" source=\"tiles.tsx\"/", "base64", "AAAAAA=="), "map.tmx"},
        {"try: a .tmx with its tileset embedded", tryOn("0,0", "map.tmx"),
         File("map.tmx") +
             ": the first tileset is embedded in the map; save it as the .tsx file tlstool export --tsx writes",
         tmx("firstgid=\"1\" name=\"t\" tilewidth=\"16\" tileheight=\"16\"", "csv", "0"), "map.tmx"},
        {"try: a .tmx whose tileset file is missing", tryOn("0,0", "map.tmx"),
         File("map.tmx") + ": the first tileset's file gone.tsx is missing",
         tmx("firstgid=\"1\" source=\"gone.tsx\"/", "csv", "0"), "map.tmx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        dev_support::WriteFileText(out, "kept");
        if (!c.Written.empty()) {
            WriteText(!c.Arguments.empty() && c.Arguments[0] == "try" ? c.Map : "set.json", c.Written);
        }
        const testing_support::ProgramResult result = Run(c.Arguments);
        EXPECT_EQ(result.ExitStatus, 1);
        EXPECT_EQ(result.Out, "");
        ASSERT_FALSE(result.Err.empty());
        EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << result.Err;
        EXPECT_EQ(result.Err.rfind("tlstool: ", 0), 0u) << result.Err;
        if (!c.Expected.empty()) {
            EXPECT_EQ(result.Err, "tlstool: " + c.Expected + "\n");
        } else {
            EXPECT_NE(result.Err.find("notes.bmp"), std::string::npos) << result.Err;
        }
        EXPECT_EQ(dev_support::ReadFileText(out), "kept");
    }
    // Nothing is left beside the output either.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    // No tileset nor its picture either (tiles.tsx is the one the try rows' maps name).
    EXPECT_EQ(names, (std::vector<std::string>{"art.png",  "binary.json", "cut.tls",   "dangling.tls", "folder.tsx",
                                               "good.tls", "huge.json",   "huge.tls",  "levels.json",  "many.tls",
                                               "map.csv",  "map.tmx",     "notes.bmp", "out.tls",      "pipe.tls",
                                               "set.json", "sheet.bmp",   "short.tls", "tiles.tsx",    "try.tls"}));
    EXPECT_TRUE(std::filesystem::is_fifo(File("pipe.tls")));
    EXPECT_TRUE(std::filesystem::is_symlink(File("dangling.tls")));
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path() / "folder.tsx"));
    // The inputs named as outputs are as they were.
    EXPECT_EQ(dev_support::ReadFileText(File("levels.json")), PlainJson(kGoodTile));
    EXPECT_EQ(dev_support::ReadFileBytes(pngNamedSheet), MakeSheet(1).Bmp);
}

// A character device is written straight through (as a terminal given as -o /dev/stdout); it
// is never replaced by a file. The device is a null device made here, never the system's.
TEST_F(TlstoolCommands, AnOutputThatIsACharacterDeviceIsWrittenStraightThrough) {
    const std::string device = File("null");
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "this user cannot make a device node";
    }
    const testing_support::ProgramResult result = Run({"export", goodSet_, "-o", device});
    EXPECT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_TRUE(std::filesystem::is_character_file(device));
}

}  // namespace
}  // namespace tlstool_test
