#include "window/command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace mosalind {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace mosalind
