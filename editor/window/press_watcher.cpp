#include "window/press_watcher.h"

#include <QEvent>
#include <QWidget>

namespace mosalind {

void PressWatcher::Watch(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool PressWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && OnPress) {
        OnPress();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mosalind
