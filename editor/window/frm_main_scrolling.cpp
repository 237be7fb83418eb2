#include <QScrollBar>
#include <cmath>

#include "window/frm_main.h"

namespace mosalind {

namespace {

// Places the scroll bar's range so that at its maximum the content's bottom edge meets
// the viewport's bottom edge; a content no taller than the viewport needs no scrolling.
// The value itself is left as it is. The range is held in an int, so even the tallest
// sheet (40,320 pixels) scrolls all the way down.
void SetUpScrollBar(QScrollBar* bar, PictureBox* content, double contentHeight, const PictureBox* viewport) {
    content->SetTop(0);
    const double viewportHeight = viewport->ScaleHeight();
    if (contentHeight > viewportHeight) {
        bar->setMinimum(0);
        bar->setMaximum(static_cast<int>(std::nearbyint(contentHeight - viewportHeight)));
        bar->setEnabled(true);
    } else {
        bar->setEnabled(false);
    }
}

}  // namespace

void FrmMain::scrBMP_Change() {
    picBMPScroller->SetTop(-scrBMP->value());
}

// While the thumb is dragged its position runs ahead of the value.
void FrmMain::scrBMP_Scroll() {
    picBMPScroller->SetTop(-scrBMP->sliderPosition());
}

void FrmMain::scrTiles_Change() {
    picTilesScroller->SetTop(-scrTiles->value());
}

void FrmMain::scrTiles_Scroll() {
    picTilesScroller->SetTop(-scrTiles->sliderPosition());
}

void FrmMain::SetScrollbarBMP() {
    SetUpScrollBar(scrBMP, picBMPScroller, picBMPScroller->ScaleHeight(), picBMP);
}

void FrmMain::SetScrollbarTiles() {
    SetUpScrollBar(scrTiles, picTilesScroller, picTilesScroller->Height(), picTiles);
}

}  // namespace mosalind
