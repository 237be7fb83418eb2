#include "window/frm_main.h"

namespace mosalind {

void FrmMain::picTile_Paint(QPainter&) {}

void FrmMain::picAnim_Paint(int, QPainter&) {}

void FrmMain::picTilesScroller_Paint(QPainter&) {}

}  // namespace mosalind
