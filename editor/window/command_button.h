#pragma once

#include <QPushButton>

namespace mosalind {

// A command button whose caption wraps onto several lines when it is wider than the
// button ("&Load Tiles...", "SET SLOPE"). The "&" access key works as on any button.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace mosalind
