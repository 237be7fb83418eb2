#pragma once

#include <QObject>
#include <functional>

namespace mosalind {

// Runs `OnPress` before a mouse press reaches any of the watched widgets; the press then
// goes on to the widget as usual.
class PressWatcher : public QObject {
    Q_OBJECT
public:
    explicit PressWatcher(QObject* parent = nullptr) : QObject(parent) {}

    // Watches `widget` and every widget inside it at the time of the call.
    void Watch(QWidget* widget);

    std::function<void()> OnPress;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mosalind
