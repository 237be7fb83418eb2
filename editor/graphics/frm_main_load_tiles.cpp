#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cmdLoad_Click() {}

}  // namespace mosalind
