#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "document/motion_parameters.h"
#include "document/try_map.h"
#include "editing/editing_session.h"
#include "motion/figure_motion.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTimer;

namespace mosalind {

class UserDialogs;

// The "Try" window (F7): a scratch map painted with the set's tiles and a figure that runs
// over it with the set's own collision. The window draws and takes the keys; every step of
// the figure is the core's (StepFigure), so it moves exactly as tlstool try says. The map,
// the start and the parameters are the session's (EditingSession::Try): the window writes
// them there and shows them as the session tells it they changed, a restored set's included.
class TryWindow : public QWidget {
    Q_OBJECT
public:
    // What the window shows of the editor besides the session's set, read at every paint:
    // the sheet's picture (13 cells a row), the sheet's zoom, whether the attribute overlay is
    // on, and the tiles a click paints (the selection's rectangle, row by row; -1 where the
    // rectangle has no selected tile).
    struct Sources {
        const QImage* Sheet = nullptr;
        std::function<int()> Zoom;
        std::function<bool()> OverlayShown;
        std::function<std::vector<std::vector<int>>()> Stamp;
    };
    // The window listens to `session`: an edit, an undo, a set opened or a sheet read again
    // shows at once and the next step feels it.
    TryWindow(EditingSession& session, Sources sources, UserDialogs* dialogs, QWidget* parent);

    Figure Current;

    QWidget* MapView = nullptr;
    QLabel* Status = nullptr;
    std::array<QDoubleSpinBox*, 8> ParameterBoxes{};
    QPushButton* OpenMap = nullptr;
    QPushButton* SaveMap = nullptr;

    // One step of the figure with `keys` held, and the view and status line shown anew.
    void Step(FigureKeys keys);
    // The figure back at the start, at rest.
    void Restart();

    // The map's clicks, in the view's pixels: Qt's button; `startKey` while S is held.
    void MapView_MouseDown(Qt::MouseButton button, QPoint at, bool startKey);
    void PaintMap(QPainter& painter) const;
    int Zoom() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OpenMap_Click();
    void SaveMap_Click();
    void ShowStatus();
    void SizeView();
    // The parameters' boxes show the session's parameters.
    void ShowParameters();
    void ChangeTry(const std::function<void(TryScratch&)>& change);
    void Session_Changed(const SessionChange& change);

    EditingSession& session_;
    SessionSubscription listening_;
    Sources sources_;
    UserDialogs* dialogs_;
    QTimer* timer_ = nullptr;
    FigureKeys held_;
    bool startKey_ = false;
};

}  // namespace mosalind
