#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cmdNew_Click() {}

void FrmMain::cmdOpen_Click() {}

void FrmMain::cmdSave_Click() {}

void FrmMain::EnableEditing() {}

}  // namespace mosalind
