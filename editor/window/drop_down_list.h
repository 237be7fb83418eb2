#pragma once

#include <QComboBox>

namespace mosalind {

// The window's drop-down lists. A closed list changes its row on the mouse wheel only
// while it has the keyboard focus: a wheel turned over it on the way elsewhere goes to the
// control under it instead of changing the tile's value. The wheel alone never gives it
// the focus.
class DropDownList : public QComboBox {
public:
    explicit DropDownList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace mosalind
