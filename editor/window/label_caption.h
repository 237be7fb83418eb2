#pragma once

#include <QString>

class QLabel;

namespace mosalind {

// Sets the caption of a one-line label. The layout's label sizes were designed for a
// narrower font than many machines use; where the caption is wider than the label, the
// label grows to the right (left and top stay) so the caption is neither wrapped onto a
// hidden second line nor cut off.
void SetLabelCaption(QLabel* label, const QString& caption);

}  // namespace mosalind
