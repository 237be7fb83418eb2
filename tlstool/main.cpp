// tlstool: tile set files in the game's build. export and import turn a set into its text
// form and back, export --tsx writes the map editor's tileset, refresh gives a set the planes
// of a changed sheet, suggest gives blank tiles the values their art suggests, check lists
// what the game or the editor would trip over.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <string>

#include "base/refused_error.h"
#include "printable_text.h"
#include "tile_set_commands.h"
#include "tile_set_suggest.h"
#include "tile_set_try.h"
#include "usage_error.h"

namespace {

// One line on standard error: "tlstool: " and the message, with what is not text (which a
// file name or a quoted byte may hold) shown as '?'.
void Say(const std::string& message) {
    std::cerr << tlstool::PrintableText("tlstool: " + message) << '\n';
}

int Fail(const std::string& message) {
    Say(message);
    return 1;
}

// The core's messages are sentences ("Cannot open ..."); after "tlstool: " they read on in
// lower case, as the other lines do.
int Refused(const std::string& message) {
    std::string text = message;
    if (text.size() >= 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'a' && text[1] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return Fail(text);
}

int Warn(const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        Say(warning);
    }
    return 0;
}

int WriteOut(const std::string& text) {
    std::cout << text;
    if (std::cout.flush()) {
        return 0;
    }
    return Fail("cannot write to standard output");
}

}  // namespace

int main(int argc, char* argv[]) {
    CLI::App app{
        "Tile set files in the game's build: a text form to keep in version control, the map editor's\n"
        "tileset, a refresh after the sheet changes, values suggested from the art, and a check.",
        "tlstool"};
    app.set_version_flag("--version", "tlstool (Mosalind) " MOSALIND_VERSION, "Show the version and exit");
    app.set_help_flag("--help", "Show this help and exit");
    app.require_subcommand(1);
    app.footer(
        "Errors are one line on standard error and exit status 1; no output file is touched then. Warnings\n"
        "(\"tlstool: warning: ...\") name what was written as asked but cannot be shown; the exit status stays 0.");

    std::string set;
    std::string json;
    std::string sheet;
    std::string output;
    std::string tsx;

    // What the subcommands share: their --help, the set they read, the sheet they cut.
    const auto command = [&app](const char* name, const char* description) {
        CLI::App* subcommand = app.add_subcommand(name, description);
        subcommand->set_help_flag("--help", "Show this help and exit");
        return subcommand;
    };
    const auto setArgument = [&set](CLI::App* subcommand) {
        subcommand->add_option("SET", set, "The tile set file (.tls)")->required()->type_name("");
    };
    const auto sheetOption = [&sheet](CLI::App* subcommand, const char* description) {
        return subcommand->add_option("--sheet", sheet, description)->option_text("SHEET");
    };
    constexpr const char* kSheetAsLoadTiles = "The tile sheet (BMP or PNG), as Load Tiles reads it";

    CLI::App* exportCommand = command(
        "export", "Write SET's text form (JSON), to standard output or FILE, or with --tsx the map editor's tileset");
    setArgument(exportCommand);
    CLI::Option* exportOutput =
        exportCommand->add_option("-o,--output", output, "Write FILE (replaced whole) instead of standard output")
            ->option_text("FILE");
    CLI::Option* tsxOption =
        exportCommand
            ->add_option("--tsx", tsx,
                         "Write the map editor's tileset of SET on SHEET to OUT.tsx and the sheet to OUT.png beside "
                         "it (both replaced whole)")
            ->option_text("OUT.tsx")
            ->excludes(exportOutput);
    sheetOption(exportCommand, "With --tsx: the tile sheet (BMP or PNG) the tileset shows")->needs(tsxOption);
    tsxOption->needs(exportCommand->get_option("--sheet"));

    CLI::App* importCommand = command("import", "Write the set that JSON describes, with the planes cut from SHEET");
    importCommand->add_option("JSON", json, "The set's text form, as export writes it")->required()->type_name("");
    sheetOption(importCommand, kSheetAsLoadTiles)->required();
    importCommand->add_option("-o,--output", output, "The tile set file to write (replaced whole)")
        ->option_text("SET")
        ->required();

    CLI::App* refreshCommand =
        command("refresh", "Give SET the planes of SHEET, as Load Tiles, Open and Save in the editor do");
    setArgument(refreshCommand);
    sheetOption(refreshCommand, kSheetAsLoadTiles)->required();
    refreshCommand->add_option("-o,--output", output, "Write OUT instead of replacing SET (in place, whole)")
        ->option_text("OUT");

    std::string emptyList;
    bool allTiles = false;
    bool listOnly = false;
    bool noLearn = false;
    std::string doneList;
    CLI::App* suggestCommand = command(
        "suggest", "Give SET's blank tiles the blocking, slopes and values their art on SHEET suggests, as F6 does");
    setArgument(suggestCommand);
    sheetOption(suggestCommand, kSheetAsLoadTiles)->required();
    CLI::Option* emptyOption =
        suggestCommand
            ->add_option(
                "--empty", emptyList,
                "The colours that count as nothing there, 0 to 15, comma-separated (default: the colour that "
                "fills the most cells alone, and the colours that of the done tiles only those blocking nothing show)")
            ->option_text("LIST");
    suggestCommand->add_flag("--all", allTiles, "Give every tile the sides its art suggests (types kept)");
    suggestCommand
        ->add_option("--done", doneList,
                     "Blank tiles that count as done: learned from, never changed (tile numbers and ranges, "
                     "comma-separated: 3,7,20-25)")
        ->option_text("LIST");
    suggestCommand->add_flag("--no-learn", noLearn,
                             "The rules alone: learn nothing from the tiles that are done (their art's exact "
                             "twins still take their values)");
    CLI::Option* listOption = suggestCommand->add_flag(
        "--list", listOnly,
        "Only list the tiles that would change and where each suggestion comes from; exit 1 if there are any, 0 "
        "otherwise");
    suggestCommand->add_option("-o,--output", output, "Write OUT instead of replacing SET (in place, whole)")
        ->option_text("OUT")
        ->excludes(listOption);

    CLI::App* checkCommand =
        command("check", "List what the game or the editor would trip over in SET; exit 1 if anything is listed");
    setArgument(checkCommand);
    sheetOption(checkCommand, "Also check the frames' cells and the planes against this sheet");

    tlstool::TryRun tryRun;
    CLI::App* tryCommand =
        command("try",
                "Run the editor's Try figure over MAP with SET's collision and print where it ends (or, with --trace, "
                "every step)");
    setArgument(tryCommand);
    tryCommand->add_option("MAP", tryRun.MapPath, "The map: CSV (tile numbers, -1 for none) or the map editor's .tmx")
        ->required()
        ->type_name("");
    tryCommand->add_option("--start", tryRun.Start, "The cell the figure starts standing in")
        ->option_text("COL,ROW")
        ->required();
    tryCommand
        ->add_option("--keys", tryRun.Keys,
                     "The keys held, step by step: tokens such as right*60 right+jump*1 none*90 (left, right, jump "
                     "or none)")
        ->option_text("SCRIPT");
    tryCommand->add_option("--steps", tryRun.Steps, "Steps with no key after the script (default 0)")->option_text("N");
    tryCommand->add_flag("--trace", tryRun.Trace,
                         "Print every step: step left top vx vy state tile type (else only the last)");
    const auto parameter = [tryCommand](const char* name, double& value, const char* what) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%g", value);
        tryCommand->add_option(name, value, std::string(what) + " (default " + shown + ")")
            ->option_text("PX")
            ->check(CLI::Range(0.0, mosalind::kMaxMotionParameter));
    };
    mosalind::MotionParameters& motion = tryRun.Parameters;
    parameter("--gravity", motion.Gravity, "Gravity, pixels per step per step");
    parameter("--max-fall", motion.MaxFall, "Greatest fall speed, pixels per step");
    parameter("--run-speed", motion.RunSpeed, "Run speed, pixels per step");
    parameter("--run-accel", motion.RunAcceleration, "Run acceleration, pixels per step per step");
    parameter("--jump-speed", motion.JumpSpeed, "Jump speed, pixels per step");
    parameter("--friction", motion.Friction, "Friction of a normal top (and in the air)");
    parameter("--friction-slippery", motion.FrictionSlippery, "Friction of a slippery top (blocking kind 2)");
    parameter("--friction-icy", motion.FrictionIcy, "Friction of an icy top (blocking kind 3)");

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const std::optional<std::string> problem = tlstool::SubcommandProblem(arguments)) {
        return Fail(*problem);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& answer) {
        return app.exit(answer);
    } catch (const CLI::CallForVersion& answer) {
        return app.exit(answer);
    } catch (const CLI::ParseError& error) {
        return Fail(tlstool::NamedAsTyped(error.what(), arguments) + " (tlstool --help shows the usage)");
    }

    try {
        if (exportCommand->parsed() && tsxOption->count() > 0) {
            return Warn(tlstool::ExportTileSetTsx(set, sheet, tsx));
        } else if (exportCommand->parsed()) {
            if (exportOutput->count() == 0) {
                return WriteOut(tlstool::ExportTileSet(set));
            }
            tlstool::ExportTileSetTo(set, output);
        } else if (importCommand->parsed()) {
            return Warn(tlstool::ImportTileSet(json, sheet, output));
        } else if (refreshCommand->parsed()) {
            return Warn(tlstool::RefreshTileSet(set, sheet, output.empty() ? set : output));
        } else if (suggestCommand->parsed()) {
            tlstool::SuggestRun run;
            run.AllTiles = allTiles;
            run.ListOnly = listOnly;
            run.Learn = !noLearn;
            run.DoneList = doneList;
            if (emptyOption->count() > 0) {
                run.Empty = tlstool::ReadEmptyColours(emptyList);
            }
            const auto lines = tlstool::SuggestTileSet(set, sheet, output.empty() ? set : output, run);
            std::string text;
            for (const std::string& line : lines) {
                text += tlstool::PrintableText(line) + '\n';
            }
            const int written = WriteOut(text);
            return listOnly && !lines.empty() ? 1 : written;
        } else if (tryCommand->parsed()) {
            tryRun.SetPath = set;
            return WriteOut(tlstool::TryTileSet(tryRun));
        } else if (checkCommand->parsed()) {
            const auto lines =
                tlstool::CheckTileSetFile(set, sheet.empty() ? std::nullopt : std::optional<std::string>(sheet));
            std::string text;
            for (const std::string& line : lines) {
                text += tlstool::PrintableText(line) + '\n';
            }
            const int written = WriteOut(text);
            return lines.empty() ? written : 1;
        }
    } catch (const mosalind::RefusedError& refusal) {
        return Refused(refusal.what());
    } catch (const std::bad_alloc&) {
        return Fail("not enough memory");
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return 0;
}
