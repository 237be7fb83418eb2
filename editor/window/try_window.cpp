#include "window/try_window.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "base/refused_error.h"
#include "window/attribute_marks_picture.h"
#include "window/user_dialogs.h"

namespace mosalind {

namespace {

constexpr int kCellsPerSheetRow = 13;
// The figure's outline: magenta shows on any art.
const QColor kFigureColour(0xFF, 0x00, 0xFF);
const QColor kStartColour(0xFF, 0x00, 0xFF, 90);
const QColor kEmptyCell(0x20, 0x20, 0x28);
// A step every 1/60 s (Qt's timer takes whole milliseconds: 17, and a precise timer).
constexpr int kStepMilliseconds = 17;
constexpr const char* kMapFilter = "Map Files (*.csv)|*.csv";

// The map drawn at the sheet's zoom; its clicks go to the window.
class MapPicture : public QWidget {
public:
    explicit MapPicture(TryWindow* window) : QWidget(window), window_(window) {
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(false);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        window_->PaintMap(painter);
    }
    void mousePressEvent(QMouseEvent* event) override { Click(event->button(), event->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* event) override {
        // A drag paints or erases on as it goes.
        if (event->buttons() & Qt::LeftButton) {
            Click(Qt::LeftButton, event->position().toPoint());
        } else if (event->buttons() & Qt::RightButton) {
            Click(Qt::RightButton, event->position().toPoint());
        }
    }

private:
    void Click(Qt::MouseButton button, QPoint at) { window_->MapView_MouseDown(button, at, false); }
    TryWindow* window_;
};

struct ParameterRow {
    const char* Caption;
    double MotionParameters::*Value;
};
constexpr ParameterRow kParameterRows[] = {
    {"Gravity", &MotionParameters::Gravity},
    {"Greatest fall", &MotionParameters::MaxFall},
    {"Run speed", &MotionParameters::RunSpeed},
    {"Run acceleration", &MotionParameters::RunAcceleration},
    {"Jump speed", &MotionParameters::JumpSpeed},
    {"Friction", &MotionParameters::Friction},
    {"Friction, slippery", &MotionParameters::FrictionSlippery},
    {"Friction, icy", &MotionParameters::FrictionIcy},
};

}  // namespace

TryWindow::TryWindow(EditingSession& session, Sources sources, UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), sources_(std::move(sources)), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Try"));
    setFocusPolicy(Qt::StrongFocus);

    auto* scroller = new QScrollArea(this);
    MapView = new MapPicture(this);
    scroller->setWidget(MapView);
    scroller->setFocusPolicy(Qt::NoFocus);

    auto* controls = new QFormLayout;
    for (std::size_t i = 0; i < std::size(kParameterRows); ++i) {
        auto* box = new QDoubleSpinBox(this);
        box->setRange(0, kMaxMotionParameter);
        box->setDecimals(4);
        box->setSingleStep(0.05);
        box->setValue(session_.Try().Parameters.*kParameterRows[i].Value);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, i](double value) {
            ChangeTry([i, value](TryScratch& scratch) { scratch.Parameters.*kParameterRows[i].Value = value; });
        });
        controls->addRow(QString::fromLatin1(kParameterRows[i].Caption), box);
        ParameterBoxes[i] = box;
    }
    OpenMap = new QPushButton(QStringLiteral("Open Map..."), this);
    SaveMap = new QPushButton(QStringLiteral("Save Map..."), this);
    connect(OpenMap, &QPushButton::clicked, this, [this] { OpenMap_Click(); });
    connect(SaveMap, &QPushButton::clicked, this, [this] { SaveMap_Click(); });
    auto* help =
        new QLabel(QStringLiteral("Left/Right run, Space/Up jump, R start\n"
                                  "Click paints, right click erases,\nmiddle click (or S+click) sets the start"),
                   this);
    auto* side = new QVBoxLayout;
    side->addLayout(controls);
    side->addWidget(OpenMap);
    side->addWidget(SaveMap);
    side->addWidget(help);
    side->addStretch();
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget != MapView) {
            widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
        }
    }

    Status = new QLabel(this);
    auto* top = new QHBoxLayout;
    top->addWidget(scroller, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Status);

    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kStepMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { Step(held_); });

    listening_ = session_.Listen([this](const SessionChange& change) { Session_Changed(change); });
    Restart();
    resize(900, 560);
}

int TryWindow::Zoom() const {
    return std::max(1, sources_.Zoom ? sources_.Zoom() : 1);
}

void TryWindow::SizeView() {
    const int zoom = Zoom();
    const TryMap& map = session_.Try().Map;
    MapView->setFixedSize(map.Columns * kTryCellSize * zoom, map.Rows * kTryCellSize * zoom);
}

void TryWindow::ShowParameters() {
    for (std::size_t i = 0; i < std::size(kParameterRows); ++i) {
        // A box being typed into already holds its value: setting it again would put back
        // the text and its cursor under the user's fingers.
        const double value = session_.Try().Parameters.*kParameterRows[i].Value;
        if (ParameterBoxes[i]->value() != value) {
            const QSignalBlocker quiet(ParameterBoxes[i]);
            ParameterBoxes[i]->setValue(value);
        }
    }
}

void TryWindow::ChangeTry(const std::function<void(TryScratch&)>& change) {
    TryScratch scratch = session_.Try();
    change(scratch);
    session_.SetTry(std::move(scratch));
}

void TryWindow::Step(FigureKeys keys) {
    const TryScratch& scratch = session_.Try();
    StepFigure(session_.Set(), scratch.Map, scratch.Parameters, scratch.Start, Current, keys);
    ShowStatus();
    MapView->update();
}

void TryWindow::Restart() {
    Current = FigureAtStart(session_.Set(), session_.Try().Map, session_.Try().Start);
    ShowStatus();
    MapView->update();
}

void TryWindow::Session_Changed(const SessionChange& change) {
    if (change.Has(SessionChange::kTry)) {
        // The map, the start or the parameters: the window's own change or a restored one.
        ShowParameters();
        SizeView();
    }
    if (change.Has(SessionChange::kSet)) {
        // Another set: the figure starts again in its world.
        Restart();
    } else if (change.TileValues() || change.Has(SessionChange::kSheet | SessionChange::kTry)) {
        ShowStatus();
        MapView->update();
    }
}

void TryWindow::ShowStatus() {
    Status->setText(QStringLiteral("Under the feet: tile %1, \"%2\"   Figure at %3, %4 (%5)")
                        .arg(Current.TileUnderFeet)
                        .arg(QString::fromStdString(TypeUnderFeet(session_.Set(), Current)))
                        .arg(Current.Left, 0, 'f', 2)
                        .arg(Current.Top, 0, 'f', 2)
                        .arg(QString::fromLatin1(FigureStateWord(Current.State))));
}

void TryWindow::MapView_MouseDown(Qt::MouseButton button, QPoint at, bool startKey) {
    const int cellSize = kTryCellSize * Zoom();
    const int column = at.x() / cellSize;
    const int row = at.y() / cellSize;
    if (!session_.Try().Map.Contains(column, row) || at.x() < 0 || at.y() < 0) {
        return;
    }
    if (button == Qt::MiddleButton || (button == Qt::LeftButton && (startKey || startKey_))) {
        ChangeTry([column, row](TryScratch& scratch) { scratch.Start = {column, row}; });
        Restart();
        return;
    }
    if (button == Qt::RightButton) {
        ChangeTry([column, row](TryScratch& scratch) { scratch.Map.Set(column, row, kNoMapTile); });
    } else if (button == Qt::LeftButton && sources_.Stamp) {
        const std::vector<std::vector<int>> stamp = sources_.Stamp();
        ChangeTry([column, row, &stamp](TryScratch& scratch) {
            for (std::size_t y = 0; y < stamp.size(); ++y) {
                for (std::size_t x = 0; x < stamp[y].size(); ++x) {
                    if (stamp[y][x] >= 0) {
                        scratch.Map.Set(column + static_cast<int>(x), row + static_cast<int>(y), stamp[y][x]);
                    }
                }
            }
        });
    }
}

void TryWindow::PaintMap(QPainter& painter) const {
    const TileSet& set = session_.Set();
    const TryMap& map = session_.Try().Map;
    const FigureStart& start = session_.Try().Start;
    const int zoom = Zoom();
    const int cellSize = kTryCellSize * zoom;
    const int tileCount = std::clamp<int>(set.Header.TileCount, 0, kMaxTiles);
    const int sheetCells = sources_.Sheet->isNull()
                               ? 0
                               : (sources_.Sheet->width() / kTryCellSize) * (sources_.Sheet->height() / kTryCellSize);
    const bool overlay = sources_.OverlayShown && sources_.OverlayShown();
    painter.fillRect(QRect(0, 0, map.Columns * cellSize, map.Rows * cellSize), kEmptyCell);
    for (int row = 0; row < map.Rows; ++row) {
        for (int column = 0; column < map.Columns; ++column) {
            const int tile = map.At(column, row);
            if (tile < 0 || tile >= tileCount) {
                continue;
            }
            const QRect target(column * cellSize, row * cellSize, cellSize, cellSize);
            const int cell = set.TileFrames[0][static_cast<std::size_t>(tile)];
            if (cell >= 0 && cell < sheetCells) {
                painter.drawImage(target, *sources_.Sheet,
                                  QRect((cell % kCellsPerSheetRow) * kTryCellSize,
                                        (cell / kCellsPerSheetRow) * kTryCellSize, kTryCellSize, kTryCellSize));
            }
            if (overlay) {
                painter.drawImage(target, AttributeMarksPicture(set, tile));
            }
        }
    }
    // The start cell, faintly; the figure, a 1-pixel outline.
    painter.setPen(QPen(kStartColour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(start.Column * cellSize, start.Row * cellSize, cellSize - 1, cellSize - 1));
    painter.setPen(QPen(kFigureColour, 1));
    const QRectF box(Current.Left * zoom, Current.Top * zoom, kFigureWidth * zoom, kFigureHeight * zoom);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

void TryWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            held_.Left = true;
            break;
        case Qt::Key_Right:
            held_.Right = true;
            break;
        case Qt::Key_Space:
        case Qt::Key_Up:
            held_.Jump = true;
            break;
        case Qt::Key_S:
            startKey_ = true;
            break;
        case Qt::Key_R:
            Restart();
            break;
        case Qt::Key_Escape:
            close();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TryWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            held_.Left = false;
            break;
        case Qt::Key_Right:
            held_.Right = false;
            break;
        case Qt::Key_Space:
        case Qt::Key_Up:
            held_.Jump = false;
            break;
        case Qt::Key_S:
            startKey_ = false;
            break;
        default:
            QWidget::keyReleaseEvent(event);
    }
}

void TryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SizeView();
    timer_->start();
    setFocus();
}

void TryWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    held_ = {};
    QWidget::hideEvent(event);
}

void TryWindow::OpenMap_Click() {
    const std::optional<QString> path = dialogs_->ShowOpen(QString::fromLatin1(kMapFilter), 0, QString());
    if (!path) {
        return;
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_->ShowMessage(QStringLiteral("Cannot open %1: %2").arg(*path, file.errorString()));
        return;
    }
    TryMap map;
    try {
        map = ReadTryMapCsv(file.readAll().toStdString(), path->toStdString());
    } catch (const RefusedError& refusal) {
        dialogs_->ShowMessage(QString::fromStdString(refusal.what()));
        return;
    }
    ChangeTry([&map](TryScratch& scratch) {
        scratch.Map = std::move(map);
        scratch.Start = {std::clamp(scratch.Start.Column, 0, scratch.Map.Columns - 1),
                         std::clamp(scratch.Start.Row, 0, scratch.Map.Rows - 1)};
    });
    Restart();
}

void TryWindow::SaveMap_Click() {
    const std::optional<QString> path = dialogs_->ShowSave(QString::fromLatin1(kMapFilter), 0, QString());
    if (!path) {
        return;
    }
    QFile file(*path);
    const QByteArray text = QByteArray::fromStdString(WriteTryMapCsv(session_.Try().Map));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush()) {
        dialogs_->ShowMessage(QStringLiteral("Cannot write %1: %2").arg(*path, file.errorString()));
    }
}

}  // namespace mosalind
