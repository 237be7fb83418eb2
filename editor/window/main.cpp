#include <QApplication>

#include "window/frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mosalind::FrmMain window;
    window.show();
    return app.exec();
}
