#include "editing/tile_matches.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/suggestions_box.h"

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
    }
    if (SuggestionBox->isVisible()) {
        SuggestionBox->hide();
        picTilesScroller->update();
        return;
    }
    // The overlay shows which tiles differ and what is suggested for them.
    AttributesShown = true;
    SuggestionBox->PlaceBeside(*this);
    SuggestionBox->show();
    SuggestionBox->Refresh();
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
