#include "window/frm_main.h"

namespace mosalind {

void FrmMain::SelectTile(std::int16_t) {}

void FrmMain::ShowTileNumber(std::int16_t) {}

void FrmMain::ShowBitmapOffset(std::int16_t) {}

}  // namespace mosalind
