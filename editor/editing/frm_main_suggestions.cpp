#include <QRect>

#include "editing/tile_matches.h"
#include "window/docked_box.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/suggestions_box.h"
#include "window/zoomed_view.h"

namespace mosalind {

// The box is made at the first F6; while it is open the suggestions follow the session
// (every edit, undo and redo, every new sheet), to which the box listens.
void FrmMain::keySuggestions_Activated() {
    if (!SetIsOpen()) {
        return;
    }
    if (SuggestionBox == nullptr) {
        SuggestionBox = new SuggestionsBox(Session, this);
        SuggestionBox->SelectThemClicked = [this] { SuggestionBox_SelectThem(); };
        SuggestionBox->AcceptClicked = [this] { SuggestionBox_Accept(); };
        SuggestionBox->Changed = [this] { picTilesScroller->update(); };
        SuggestionBox->Closed = [this] { SuggestionBox_Closed(); };
        // Docked beside the window, or when the screen has no room beside it over the
        // bitmap view's lower part, clear of its scroll bars (narrowed to fit between them).
        auto* docked = new DockedBox(SuggestionBox, this, [this] {
            return QRect(picBMP->mapToGlobal(picBMP->contentsRect().topLeft()),
                         QSize(BMPZoom->VisibleWidth(), BMPZoom->VisibleHeight()));
        });
        // The view grows with the window; the bar across shows as a zoom makes it scroll.
        docked->Follow(picBMP);
        docked->Follow(BMPZoom->Across());
    }
    if (SuggestionBox->isVisible()) {
        SuggestionBox->hide();
        SuggestionBox_Closed();
        return;
    }
    // The overlay shows which tiles differ and what is suggested for them, as the box says.
    SuggestionBox->OverlayBefore = AttributesShown;
    AttributesShown = true;
    SuggestionBox->show();
    SuggestionBox->Refresh();
}

// The overlay as it was before the box opened it.
void FrmMain::SuggestionBox_Closed() {
    AttributesShown = SuggestionBox->OverlayBefore;
    picTilesScroller->update();
}

void FrmMain::SuggestionBox_SelectThem() {
    Session.SelectTiles(SuggestionBox->Suggested().DifferingTiles());
    SelectTile(CurrentTile());
    ScrollTileIntoView(CurrentTile());
}

// One step for every selected tile that differs; the controls then show the current
// tile's new values.
void FrmMain::SuggestionBox_Accept() {
    PushEdit(Session.AcceptSuggestionsEdit(SuggestionBox->Suggested()));
    SelectTile(CurrentTile());
}

void FrmMain::keySameArt_Activated() {
    if (SetIsOpen()) {
        Session.SelectTiles(TilesWithSameArt(Session.Set(), Session.Graphics(), CurrentTile()));
        SelectTile(CurrentTile());
    }
}

void FrmMain::keySameValues_Activated() {
    if (SetIsOpen()) {
        Session.SelectTiles(TilesWithSameValues(Session.Set(), CurrentTile()));
        SelectTile(CurrentTile());
    }
}

}  // namespace mosalind
