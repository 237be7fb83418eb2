#include <QComboBox>

#include "editing/tile_type_list.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cboBehaviour_Click() {
    const std::int16_t tileType = TileTypeForRow(cboBehaviour->currentIndex(), cboBehaviour->count());
    std::int16_t& stored = Document.TileAttributes[0][CurrentTile];
    if (stored != tileType) {
        stored = tileType;
    }
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
    std::int16_t& sideWord = Document.TileAttributes[index + 1][CurrentTile];
    sideWord = WithBlockingKind(sideWord, kind);
}

}  // namespace mosalind
