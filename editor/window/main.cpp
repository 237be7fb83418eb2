#include <QApplication>
#include <QIcon>

#include "window/frm_main.h"
#include "window/screen_scale.h"

int main(int argc, char** argv) {
    mosalind::UseWholeScreenScale();
    QApplication app(argc, argv);
    // The desktop entry's icon, and its name so the desktop matches the window to it.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(MOSALIND_APP_ID));
    mosalind::FrmMain window;
    window.show();
    return app.exec();
}
