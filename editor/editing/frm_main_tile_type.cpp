#include <QComboBox>

#include "editing/tile_type_list.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cboBehaviour_Click() {
    Session.MarkEditedTilesDone();
    PushEdit(Session.TileTypeEdit(TileTypeForRow(cboBehaviour->currentIndex(), cboBehaviour->count())));
}

void FrmMain::cboBlocking_Click(int index) {
    if (index < 0 || index > 3) {
        return;
    }
    QComboBox* list = cboBlocking[index];
    const int row = list->currentIndex();
    const int kind = BlockingKindForRow(row);
    if (kind != row) {
        list->setCurrentIndex(0);
    }
    Session.MarkEditedTilesDone();
    PushEdit(Session.BlockingEdit(index, kind));
}

}  // namespace mosalind
