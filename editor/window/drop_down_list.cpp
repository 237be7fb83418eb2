#include "window/drop_down_list.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

namespace mosalind {

namespace {

// The longest start of `text` that is `room` pixels wide or less, ending between letters.
QString WholeLettersThatFit(const QString& text, const QFontMetrics& metrics, int room) {
    if (metrics.horizontalAdvance(text) <= room) {
        return text;
    }
    QString shown = text;
    while (!shown.isEmpty() && metrics.horizontalAdvance(shown) > room) {
        shown.chop(1);
    }
    return shown;
}

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Seen before the open list acts on the release or the key that chooses a row.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void DropDownList::showPopup() {
    chosenWithMouse_ = false;
    QComboBox::showPopup();
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        chosenWithMouse_ = true;
    } else if (event->type() == QEvent::KeyPress) {
        chosenWithMouse_ = false;
    }
    return QComboBox::eventFilter(watched, event);
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    chosenWithMouse_ = false;
    QComboBox::keyPressEvent(event);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();  // passed on to the parent
        return;
    }
    chosenWithMouse_ = false;
    QComboBox::wheelEvent(event);
}

// A closed list drawn as QComboBox draws it, its text cut back to whole letters first.
void DropDownList::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The label is drawn a pixel inside the field on either side.
    option.currentText = WholeLettersThatFit(option.currentText, fontMetrics(), field.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace mosalind
