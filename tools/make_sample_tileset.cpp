// Makes the sample tile set samples/tiles.tls from the sample sheet samples/tiles.bmp with
// the editor's own window, driven as a user would drive it: Load Tiles, New with 8 frames,
// then a few tiles typed, blocked, sloped and animated, and Save.
//
//   make_sample_tileset [SHEET [TILE_SET]]     (defaults: samples/tiles.bmp samples/tiles.tls)
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

using mosalind::FrmMain;
using mosalind::ScriptedDialogs;

enum Side { Top = 0, Right = 1, Bottom = 2, Left = 3 };

// Rows of the tile type list.
enum TypeRow {
    Kills = 1,
    Door1 = 2,
    FiveHundredPoints = 6,
    HundredPoints = 7,
    TwoHundredPoints = 8,
    ThousandPoints = 9,
    FiveThousandPoints = 10,
    Joystick = 11,
    Battery = 12,
    Vacuum = 13,
    Whiskey = 14,
    Raygun = 15,
    Pogo = 16,
    Exit = 17,
    Key1 = 18,
    Message = 22,
    LightSwitch = 23,
    Teleporter = 24,
    SwitchOn = 25,
    SwitchOff = 26,
    Ankh = 27,
    SingleBullet = 28,
    Masked = 30,
    Foreground = 31
};

class Editor {
public:
    explicit Editor(FrmMain& window) : window_(window) {}

    void Click(QAbstractButton* button) { button->click(); }

    void Choose(QComboBox* list, int row) {
        list->setCurrentIndex(row);
        emit list->activated(row);
    }

    void ClickAt(QWidget* box, int x, int y) {
        const QPointF local(x, y);
        QMouseEvent press(QEvent::MouseButtonPress, local, box->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, box->mapToGlobal(local), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(box, &release);
    }

    void SelectTile(int tile) { ClickAt(window_.picTilesScroller, (tile % 13) * 16 + 8, (tile / 13) * 16 + 8); }

    void Type(int tile, int row) {
        SelectTile(tile);
        Choose(window_.cboBehaviour, row);
    }

    void Block(int tile, std::initializer_list<Side> sides, int kind = 1) {
        SelectTile(tile);
        for (Side side : sides) {
            Choose(window_.cboBlocking[side], kind);
        }
    }

    // Clicks the two levels into the tile view, sets the side boxes and presses SET SLOPE.
    void Slope(int tile, int left, int right, std::initializer_list<Side> sides) {
        SelectTile(tile);
        const QRect inner = window_.picTile->contentsRect();
        // The middle of a level's band: 5y near (level + 1/2) x height.
        const auto levelY = [&](int level) { return inner.top() + ((2 * level + 1) * inner.height()) / 10; };
        ClickAt(window_.picTile, inner.left() + 2, levelY(left));
        ClickAt(window_.picTile, inner.right() - 2, levelY(right));
        for (Side side : sides) {
            if (!window_.chkSlope[side]->isChecked()) {
                Click(window_.chkSlope[side]);
            }
        }
        Click(window_.cmdSetSlope);
    }

    // Gives the frames of `tile` the cells in turn, repeating them to fill all 8 frames.
    void Animate(int tile, const std::vector<int>& cells) {
        SelectTile(tile);
        for (int frame = 0; frame < 8; ++frame) {
            Click(window_.optAnim[frame]);
            const int cell = cells[frame % cells.size()];
            ClickAt(window_.picBMPScroller, (cell % 13) * 16 + 8, (cell / 13) * 16 + 8);
        }
        Click(window_.optAnim[0]);
    }

private:
    FrmMain& window_;
};

void Edit(Editor& editor) {
    // Ground: grass, snow and sand blocks stand on their top sides; snow is icy, sand
    // slippery. Fill blocks stop the player on every side.
    const struct {
        int First;
        int TopKind;
    } grounds[] = {{13, 1}, {42, 3}, {71, 2}};
    for (const auto& ground : grounds) {
        for (int tile = ground.First; tile < ground.First + 3; ++tile) {
            editor.Block(tile, {Top}, ground.TopKind);
        }
        editor.Block(ground.First + 4, {Top, Right, Bottom, Left});
        editor.Block(ground.First + 11, {Top, Right, Bottom, Left});
        editor.Block(ground.First + 11, {Top}, ground.TopKind);
    }
    // The grass slopes: rising and falling ones, with the levels the sheet draws.
    const struct {
        int Tile, Left, Right;
    } slopes[] = {{26, 4, 0}, {27, 4, 2}, {28, 3, 1}, {29, 2, 0}, {30, 4, 3}, {31, 3, 2}, {32, 2, 1}, {33, 1, 0},
                  {34, 0, 4}, {35, 0, 2}, {36, 1, 3}, {37, 2, 4}, {38, 0, 1}, {39, 1, 2}, {40, 2, 3}, {41, 3, 4}};
    for (const auto& slope : slopes) {
        editor.Block(slope.Tile, {Top});
        editor.Slope(slope.Tile, slope.Left, slope.Right, {Top});
    }
    // Solid blocks and platforms.
    for (int tile = 100; tile <= 111; ++tile) {
        editor.Block(tile, {Top, Right, Bottom, Left});
    }
    for (int tile = 115; tile <= 126; ++tile) {
        editor.Block(tile, {Top});
    }
    editor.Block(110, {Top}, 3);  // the ice block is icy on top

    // Tile types.
    for (int tile : {134, 135, 136, 137, 138, 210}) {
        editor.Type(tile, Kills);
    }
    for (int i = 0; i < 4; ++i) {
        editor.Type(140 + i, Door1 + i);
        editor.Type(144 + i, Key1 + i);
        editor.Block(148 + i, {Top, Right, Bottom, Left});
    }
    const struct {
        int Tile, Row;
    } types[] = {{152, HundredPoints},
                 {153, TwoHundredPoints},
                 {154, FiveHundredPoints},
                 {155, ThousandPoints},
                 {156, FiveThousandPoints},
                 {161, Battery},
                 {162, Raygun},
                 {163, Pogo},
                 {164, Whiskey},
                 {165, Joystick},
                 {166, Ankh},
                 {167, SingleBullet},
                 {168, Vacuum},
                 {173, SwitchOn},
                 {174, SwitchOff},
                 {175, LightSwitch},
                 {177, Teleporter},
                 {178, Exit},
                 {179, Message},
                 {190, Teleporter},
                 {230, Masked},
                 {231, Masked},
                 {232, Masked},
                 {237, Foreground},
                 {240, Foreground},
                 {243, Foreground}};
    for (const auto& type : types) {
        editor.Type(type.Tile, type.Row);
    }

    // Animations: four-frame loops and the eight-frame water and lava surfaces.
    for (int first = 182; first <= 210; first += 4) {
        editor.Animate(first, {first, first + 1, first + 2, first + 3});
    }
    editor.Animate(214, {214, 215, 216, 217, 218, 219, 220, 221});
    editor.Animate(222, {222, 223, 224, 225, 226, 227, 228, 229});
    editor.Type(222, Kills);
    editor.SelectTile(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString sheet = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("samples/tiles.bmp");
    const QString tileSet = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("samples/tiles.tls");

    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    window.show();
    Editor editor(window);

    dialogs.AnswerNextFileDialog(sheet);
    editor.Click(window.cmdLoad);
    editor.Choose(window.cboFrameCount, 1);  // 8 frames
    editor.Click(window.cmdNew);
    if (!window.frmControls->isEnabled()) {
        std::fprintf(stderr, "make_sample_tileset: no tile set was made from %s\n", qPrintable(sheet));
        for (const QString& message : dialogs.Messages) {
            std::fprintf(stderr, "  %s\n", qPrintable(message));
        }
        return 1;
    }
    Edit(editor);
    dialogs.AnswerNextFileDialog(tileSet);
    editor.Click(window.cmdSave);

    if (!dialogs.Messages.empty()) {
        for (const QString& message : dialogs.Messages) {
            std::fprintf(stderr, "make_sample_tileset: %s\n", qPrintable(message));
        }
        return 1;
    }
    std::printf("Wrote %s: %d tiles, %d frames, from %s\n", qPrintable(tileSet), window.Session.Set().Header.TileCount,
                window.Session.Set().Header.FrameCount, qPrintable(sheet));
    return 0;
}
