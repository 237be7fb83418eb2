// Helpers for driving FrmMain in tests: tile sheets on disk, a loaded window, and pixels
// of a rendered control.
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "support/test_files.h"
#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace window_test_support {

// Writes a 16-colour sheet painted with CellPatternColour and returns its path.
inline std::string WriteCellPatternSheet(const dev_support::TempDir& dir, const std::string& name, int width,
                                         int height) {
    const std::string path = dir.File(name);
    dev_support::WriteFileBytes(
        path, dev_support::EncodeBmp(testing_support::TestPicture(width, height, testing_support::CellPatternColour)));
    return path;
}

// Runs Load Tiles with `path` as the file chosen in its dialog.
inline void LoadTiles(mosalind::FrmMain& window, mosalind::ScriptedDialogs& dialogs, const std::string& path) {
    dialogs.AnswerNextFileDialog(QString::fromStdString(path));
    window.cmdLoad->click();
}

// The colour the test palette gives to the CellPatternColour pixel (x, y) of a sheet.
inline QColor SheetColour(int x, int y) {
    const dev_support::PaletteEntry c = testing_support::TestPaletteColour(testing_support::CellPatternColour(x, y));
    return QColor(c.Red, c.Green, c.Blue);
}

// The control as it looks on screen (with the controls inside it), one image pixel per
// screen pixel.
inline QImage Render(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

}  // namespace window_test_support
