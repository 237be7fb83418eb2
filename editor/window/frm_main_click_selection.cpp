#include "window/frm_main.h"

namespace mosalind {

void FrmMain::picTilesScroller_MouseDown(int, int, double, double) {}

void FrmMain::picBMPScroller_MouseDown(int, int, double, double) {}

}  // namespace mosalind
