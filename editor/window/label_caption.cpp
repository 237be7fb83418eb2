#include "window/label_caption.h"

#include <QLabel>
#include <algorithm>

namespace mosalind {

void SetLabelCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    const QFontMetrics metrics = label->fontMetrics();
    const QMargins margins = label->contentsMargins();
    const int needed = std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).width()) +
                       margins.left() + margins.right() + 2 * label->margin() + 1;
    if (needed > label->width()) {
        label->resize(needed, label->height());
    }
}

}  // namespace mosalind
