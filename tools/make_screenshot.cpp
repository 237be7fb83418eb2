// Takes the README's picture of the editor: the sample sheet loaded, the sample tile set
// open and a sloped grass tile selected, grabbed offscreen from the editor's own window.
//
//   make_screenshot [SHEET [TILE_SET [PICTURE]]]
//   (defaults: samples/tiles.bmp samples/tiles.tls docs/screenshot.png)
#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace {

constexpr int kShownTile = 26;  // grass slope rising from level 4 to level 0
constexpr int kShownFrame = 0;

void ClickAt(QWidget* box, int x, int y) {
    const QPointF local(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, local, box->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, box->mapToGlobal(local), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(box, &release);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString sheet = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("samples/tiles.bmp");
    const QString tileSet = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("samples/tiles.tls");
    const QString picture = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("docs/screenshot.png");

    mosalind::ScriptedDialogs dialogs;
    mosalind::FrmMain window(&dialogs);
    window.show();

    dialogs.AnswerNextFileDialog(sheet);
    window.cmdLoad->click();
    dialogs.AnswerNextFileDialog(tileSet);
    window.cmdOpen->click();
    if (!window.frmControls->isEnabled()) {
        std::fprintf(stderr, "make_screenshot: could not open %s with %s\n", qPrintable(tileSet), qPrintable(sheet));
        for (const QString& message : dialogs.Messages) {
            std::fprintf(stderr, "  %s\n", qPrintable(message));
        }
        return 1;
    }
    ClickAt(window.picTilesScroller, (kShownTile % 13) * 16 + 8, (kShownTile / 13) * 16 + 8);
    window.optAnim[kShownFrame]->click();
    QApplication::processEvents();

    if (!window.grab().save(picture, "PNG")) {
        std::fprintf(stderr, "make_screenshot: cannot write %s\n", qPrintable(picture));
        return 1;
    }
    std::printf("Wrote %s\n", qPrintable(picture));
    return 0;
}
