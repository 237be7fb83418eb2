#include "window/frm_main.h"

namespace mosalind {

void FrmMain::chkSlope_Click(int) {}

void FrmMain::cmdSetSlope_Click() {}

void FrmMain::picTile_MouseDown(int, int, double, double) {}

void FrmMain::RefreshViews() {}

}  // namespace mosalind
