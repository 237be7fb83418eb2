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

    // Whether the row last chosen was clicked in the open list (not reached with the keys
    // or the wheel); read while its `activated` runs.
    bool ChosenWithMouse() const { return chosenWithMouse_; }

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool chosenWithMouse_ = false;
};

}  // namespace mosalind
