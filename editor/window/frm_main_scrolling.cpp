#include "window/frm_main.h"

namespace mosalind {

void FrmMain::scrBMP_Change() {}

void FrmMain::scrBMP_Scroll() {}

void FrmMain::scrTiles_Change() {}

void FrmMain::scrTiles_Scroll() {}

void FrmMain::SetScrollbarBMP() {}

void FrmMain::SetScrollbarTiles() {}

}  // namespace mosalind
