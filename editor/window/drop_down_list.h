#pragma once

#include <QComboBox>

namespace mosalind {

// The window's drop-down lists. A closed list changes its row on the mouse wheel only
// while it has the keyboard focus: a wheel turned over it on the way elsewhere goes to the
// control under it instead of changing the tile's value. The wheel alone never gives it
// the focus. A closed list too narrow for its row's text shows as many whole letters as fit
// (the open list and the tool tip show it all), never a letter cut in half, whatever the
// font's size on the screen.
class DropDownList : public QComboBox {
public:
    explicit DropDownList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace mosalind
