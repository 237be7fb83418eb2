#include "editing/tile_matches.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/suggestions_box.h"

namespace mosalind {

// The box is made at the first F6; while it is open the suggestions follow every edit,
// undo and redo, and every new sheet.
void FrmMain::SetUpSuggestions() {
    connect(History, &QUndoStack::indexChanged, this, [this] { UpdateSuggestions(); });
}

void FrmMain::keySuggestions_Activated() {
    if (!SetIsOpen()) {
        return;
    }
    if (SuggestionBox == nullptr) {
        SuggestionBox = new SuggestionsBox(this);
        SuggestionBox->EmptyColoursChosen = [this](const EmptyColours& empty) { SuggestionBox_Colours(empty); };
        SuggestionBox->SelectThemClicked = [this] { SuggestionBox_SelectThem(); };
        SuggestionBox->AcceptClicked = [this] { SuggestionBox_Accept(); };
        SuggestionBox->Closed = [this] { picTilesScroller->update(); };
        Suggested.Empty = DefaultEmptyColours(Graphics);
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
    UpdateSuggestions();
}

bool FrmMain::SuggestionsShown() const {
    return SuggestionBox != nullptr && SuggestionBox->isVisible();
}

void FrmMain::UpdateSuggestions() {
    if (!SuggestionsShown()) {
        return;
    }
    Suggested.Update(Document, Graphics);
    // The sheet read again may have new colours.
    SuggestionBox->ShowColours(BMPPicture.colorTable(), Suggested.Empty);
    SuggestionBox->ShowDiffering(static_cast<int>(Suggested.DifferingTiles().size()));
    picTilesScroller->update();
}

void FrmMain::SuggestionBox_Colours(const EmptyColours& empty) {
    Suggested.Empty = empty;
    UpdateSuggestions();
}

void FrmMain::SuggestionBox_SelectThem() {
    Session.SelectTiles(Suggested.DifferingTiles());
    SelectTile(CurrentTile());
    ScrollTileIntoView(CurrentTile());
}

// One step for every selected tile that differs; the controls then show the current
// tile's new values.
void FrmMain::SuggestionBox_Accept() {
    PushEdit(Session.AcceptSuggestionsEdit(Suggested));
    SelectTile(CurrentTile());
}

void FrmMain::keySameArt_Activated() {
    if (SetIsOpen()) {
        Session.SelectTiles(TilesWithSameArt(Document, Graphics, CurrentTile()));
        SelectTile(CurrentTile());
    }
}

void FrmMain::keySameValues_Activated() {
    if (SetIsOpen()) {
        Session.SelectTiles(TilesWithSameValues(Document, CurrentTile()));
        SelectTile(CurrentTile());
    }
}

}  // namespace mosalind
