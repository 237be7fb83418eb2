#include "window/frm_main.h"

namespace mosalind {

void FrmMain::optAnim_Click(int) {}

void FrmMain::SelectFrame(std::int16_t) {}

void FrmMain::AssignFrameOffset(std::int16_t) {}

}  // namespace mosalind
