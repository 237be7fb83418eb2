// mosalind [SHEET [SET]]: the tile attribute editor's window, started as if Load Tiles had
// been given SHEET and Open then SET.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "window/command_line.h"
#include "window/frm_main.h"
#include "window/recovery_keeper.h"
#include "window/screen_scale.h"

namespace {

constexpr const char* kHelp =
    "usage: mosalind [SHEET [SET]]\n"
    "The tile attribute editor. With SHEET it starts as if Load Tiles had been given\n"
    "that tile sheet (a 16-colour BMP or indexed PNG), with SET as if Open had then been\n"
    "given that tile set (.tls). While the window is open, the sheet is read again\n"
    "whenever its file changes; F5 reads it again at once.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --         take every later argument as a file name\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are understood too.\n";

// --help and --version answer on standard output; a failed write there is an error too.
int Answer(const char* text) {
    if (std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0) {
        return 0;
    }
    std::fputs("mosalind: cannot write to standard output\n", stderr);
    return 1;
}

// Runs `work` once, from the event loop, after the window was first drawn on the screen:
// by then the desktop has placed it, and a dialog's parent has its place.
void WhenShown(QWidget& window, std::function<void()> work) {
    class FirstExpose : public QObject {
    public:
        FirstExpose(std::function<void()> work, QObject* parent) : QObject(parent), work_(std::move(work)) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            const auto* shown = qobject_cast<QWindow*>(watched);
            if (event->type() == QEvent::Expose && shown != nullptr && shown->isExposed() && work_) {
                QTimer::singleShot(0, shown, std::exchange(work_, nullptr));
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> work_;
    };
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || handle->isExposed()) {
        QTimer::singleShot(0, &window, std::move(work));
        return;
    }
    handle->installEventFilter(new FirstExpose(std::move(work), handle));
}

}  // namespace

int main(int argc, char** argv) {
    const mosalind::EditorCommandLine line =
        mosalind::ReadEditorCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    switch (line.What) {
        case mosalind::EditorCommandLine::Action::Help:
            return Answer(kHelp);
        case mosalind::EditorCommandLine::Action::Version:
            return Answer("mosalind (Mosalind) " MOSALIND_VERSION "\n");
        case mosalind::EditorCommandLine::Action::UsageError:
            std::fprintf(stderr, "mosalind: %s; usage: mosalind [SHEET [SET]]\n", line.Problem.c_str());
            return 1;
        case mosalind::EditorCommandLine::Action::Run:
            break;
    }

    // QApplication sees the program's name and Qt's own options only; it keeps a
    // reference to them for the whole run.
    std::vector<std::string> qtArguments{argc > 0 ? argv[0] : "mosalind"};
    qtArguments.insert(qtArguments.end(), line.QtArguments.begin(), line.QtArguments.end());
    std::vector<char*> qtArgv;
    for (std::string& argument : qtArguments) {
        qtArgv.push_back(argument.data());
    }
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());
    mosalind::UseWholeScreenScale();
    QApplication app(qtArgc, qtArgv.data());

    // The desktop entry's icon, and its name so the desktop matches the window to it.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(MOSALIND_APP_ID));
    mosalind::FrmMain window;
    window.show();

    window.KeepRecoveryFile(mosalind::RecoveryFolder());

    // Once the window is on the screen, so that every question and message is centred over
    // it: edits that an editor which ended without saving them kept are offered first;
    // restored, they take the place of the command line's files. Then the buttons' own
    // commands, each only where the window would let the user press it: a refused sheet
    // leaves Open unavailable, as it is after a refused Load Tiles.
    WhenShown(window, [&window, &line] {
        if (window.OfferRecovery()) {
            return;
        }
        if (line.SheetPath) {
            window.LoadTilesFile(QFile::decodeName(QByteArray::fromStdString(*line.SheetPath)));
        }
        if (line.SetPath && window.cmdOpen->isEnabled()) {
            window.OpenTileSetFile(QFile::decodeName(QByteArray::fromStdString(*line.SetPath)));
        }
    });
    return app.exec();
}
