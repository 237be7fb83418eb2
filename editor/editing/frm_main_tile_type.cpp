#include <QComboBox>

#include "document/tile_edit_commands.h"
#include "editing/tile_type_list.h"
#include "window/frm_main.h"

namespace mosalind {

void FrmMain::cboBehaviour_Click() {
    const std::int16_t tileType = TileTypeForRow(cboBehaviour->currentIndex(), cboBehaviour->count());
    EditTiles(std::make_unique<TileTypeCommand>(*this), EditedTiles(),
              [tileType](TileValues& values) { values.TileType = tileType; });
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
    EditTiles(std::make_unique<BlockingKindCommand>(*this), EditedTiles(),
              [index, kind](TileValues& values) { values.Sides[index] = WithBlockingKind(values.Sides[index], kind); });
}

}  // namespace mosalind
