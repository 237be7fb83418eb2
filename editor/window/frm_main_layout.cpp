#include "window/frm_main.h"

namespace mosalind {

FrmMain::FrmMain(UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtUserDialogs>()),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      cdlLoad(*dialogs_),
      cdlOpen(*dialogs_),
      cdlSave(*dialogs_) {
    BuildLayout();
    ConnectHandlers();
}

FrmMain::~FrmMain() = default;

void FrmMain::BuildLayout() {}

void FrmMain::ConnectHandlers() {}

}  // namespace mosalind
