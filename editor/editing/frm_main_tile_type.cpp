#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cboBehaviour_Click() {}

void FrmMain::cboBlocking_Click(int) {}

}  // namespace mosalind
