#include "window/list_tool_tip.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace mosalind {

namespace {

// Whether the closed list shows its current text whole.
bool ListTextFits(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.currentText = list->currentText();
    const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    return list->fontMetrics().horizontalAdvance(list->currentText()) <= room.width();
}

void UpdateToolTip(QComboBox* list) {
    list->setToolTip(ListTextFits(list) ? QString() : list->currentText());
}

}  // namespace

void KeepListTextReadable(QComboBox* list) {
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 8);
    QObject::connect(list, &QComboBox::currentTextChanged, list, [list] { UpdateToolTip(list); });
    UpdateToolTip(list);
}

}  // namespace mosalind
