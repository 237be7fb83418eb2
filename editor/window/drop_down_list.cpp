#include "window/drop_down_list.h"

#include <QWheelEvent>

namespace mosalind {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();  // passed on to the parent
        return;
    }
    QComboBox::wheelEvent(event);
}

}  // namespace mosalind
