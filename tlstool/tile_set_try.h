// tlstool try: the figure of the editor's Try window run over a map with the set's own
// collision, without a window, so that a build can check that a level's jumps and slopes
// work ("the figure reaches column 30 with these keys").
#pragma once

#include <string>
#include <vector>

#include "document/tile_set.h"
#include "document/try_map.h"
#include "motion/figure_motion.h"

namespace tlstool {

// A key script: the keys held, for that many steps.
struct KeyRun {
    mosalind::FigureKeys Keys;
    long long Steps = 0;
};

// Reads a script such as "right*60 right+jump*1 none*90": tokens separated by spaces, each
// the keys held ("left", "right", "jump" joined by "+", or "none"), "*" and a step count.
std::vector<KeyRun> ReadKeyScript(const std::string& script);

// Reads "COL,ROW".
mosalind::FigureStart ReadStartCell(const std::string& text);

// The map in `path`: CSV, or (a name ending in .tmx) a map of the map editor whose first
// tileset is a .tsx file beside it and whose first tile layer is CSV-encoded; a gid g is
// the set's tile g - firstgid, 0 no tile.
mosalind::TryMap ReadTryMapFile(const std::string& path);

// The map's tile numbers the set must have, and a start cell inside the map whose figure
// box overlaps no tile that blocks it (a tile whose only blocking side is its top may be
// there: the figure stands in front of it). `mapPath` names the map in a refusal.
void CheckTryMap(const mosalind::TileSet& set, const mosalind::TryMap& map, const std::string& mapPath,
                 mosalind::FigureStart start);

struct TryRun {
    std::string SetPath;
    std::string MapPath;
    std::string Start;
    std::string Keys;
    long long Steps = 0;
    bool Trace = false;
    mosalind::MotionParameters Parameters;
};

// The lines the run prints: one per step with Trace, else the last one (step 0 when there is
// no step). Throws RefusedError before any step for bad input.
std::string TryTileSet(const TryRun& run);

}  // namespace tlstool
