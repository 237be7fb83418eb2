#pragma once

#include <cstdint>

#include "document/tile_edit_command.h"
#include "window/frm_main.h"

namespace mosalind {

// The kinds of step in the window's history, one for each edit the handlers make.

// A tile type chosen in cboBehaviour.
class TileTypeCommand : public TileEditCommand {
public:
    explicit TileTypeCommand(FrmMain& window) : TileEditCommand(window, QStringLiteral("Tile Type")) {}
};

// A blocking kind chosen in one of the cboBlocking lists.
class BlockingKindCommand : public TileEditCommand {
public:
    explicit BlockingKindCommand(FrmMain& window) : TileEditCommand(window, QStringLiteral("Blocking")) {}
};

// SET SLOPE: every side word it writes, as one step.
class SlopeCommand : public TileEditCommand {
public:
    explicit SlopeCommand(FrmMain& window) : TileEditCommand(window, QStringLiteral("Set Slope")) {}
};

// A frame's bitmap cell, from a click on the bitmap. The frame it changed is shown too,
// so that "Offset in Bitmap" tells the cell put back.
class FrameCellCommand : public TileEditCommand {
public:
    FrameCellCommand(FrmMain& window, std::int16_t frame)
        : TileEditCommand(window, QStringLiteral("Frame Cell")), frame_(frame) {}

protected:
    void ShowEditedTile() override {
        TileEditCommand::ShowEditedTile();
        window_.SelectFrame(frame_);
    }

private:
    std::int16_t frame_;
};

// Ctrl+V or Ctrl+Shift+V: the copied values written into every selected tile.
class PasteCommand : public TileEditCommand {
public:
    explicit PasteCommand(FrmMain& window) : TileEditCommand(window, QStringLiteral("Paste")) {}
};

}  // namespace mosalind
