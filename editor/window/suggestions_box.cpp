#include "window/suggestions_box.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace mosalind {

namespace {

constexpr int kColours = 16;
// Small, so that the box is narrow enough to sit over the bitmap view when the screen has
// no room beside the window.
const QSize kSwatchSize(16, 12);
constexpr int kSwatchBorder = 6;
constexpr int kMargin = 6;
constexpr double kFontScale = 0.9;

// A colour as a swatch: plain while solid; struck through with a hatch while empty.
QIcon SwatchIcon(QRgb colour) {
    QPixmap solid(kSwatchSize);
    solid.fill(QColor(colour));
    QPixmap empty = solid;
    QPainter painter(&empty);
    painter.fillRect(empty.rect(), QBrush(qGray(colour) < 128 ? Qt::white : Qt::black, Qt::BDiagPattern));
    painter.setPen(Qt::black);
    painter.drawRect(empty.rect().adjusted(0, 0, -1, -1));
    painter.end();
    QIcon icon;
    icon.addPixmap(solid, QIcon::Normal, QIcon::Off);
    icon.addPixmap(empty, QIcon::Normal, QIcon::On);
    return icon;
}

}  // namespace

SuggestionsBox::SuggestionsBox(EditingSession& session, QWidget* parent)
    : QDialog(parent, Qt::Tool), session_(session) {
    setWindowTitle("Suggestions");
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * kFontScale);
    setFont(small);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    auto* help = new QLabel("Pressed colours are empty (sky, background); the others are solid.", this);
    help->setWordWrap(true);
    layout->addWidget(help);
    OverlayNote = new QLabel(
        "The overlay (F2) shows the suggestions while this box is open: a white corner marks a tile that differs, "
        "dashes what is suggested for it. Closing the box puts the overlay back.",
        this);
    OverlayNote->setWordWrap(true);
    layout->addWidget(OverlayNote);

    auto* swatches = new QGridLayout;
    swatches->setSpacing(2);
    for (int colour = 0; colour < kColours; ++colour) {
        QToolButton* swatch = new QToolButton(this);
        swatch->setCheckable(true);
        swatch->setIconSize(kSwatchSize);
        swatch->setFixedSize(kSwatchSize + QSize(kSwatchBorder, kSwatchBorder));
        swatch->setToolTip(QString("Colour %1").arg(colour));
        swatches->addWidget(swatch, colour / 8, colour % 8);
        connect(swatch, &QToolButton::clicked, this, [this] { ColoursChosen(); });
        Swatches[static_cast<std::size_t>(colour)] = swatch;
    }
    layout->addLayout(swatches);

    Why = new QLabel(this);
    Why->setWordWrap(true);
    layout->addWidget(Why);
    Differing = new QLabel(this);
    Differing->setWordWrap(true);
    layout->addWidget(Differing);
    // One under the other, so that the box stays narrow enough to sit over the bitmap view.
    auto* buttons = new QVBoxLayout;
    SelectThem = new QPushButton("Select them", this);
    Accept = new QPushButton(this);
    ShowSelectedCount();
    for (QPushButton* button : {SelectThem, Accept}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(SelectThem, &QPushButton::clicked, this, [this] {
        if (SelectThemClicked) {
            SelectThemClicked();
        }
    });
    connect(Accept, &QPushButton::clicked, this, [this] {
        if (AcceptClicked) {
            AcceptClicked();
        }
    });
    layout->addLayout(buttons);
    connect(this, &QDialog::finished, this, [this] {
        if (Closed) {
            Closed();
        }
    });
    listening_ = session_.Listen([this](const SessionChange& change) {
        if (change.TileValues() || change.Has(SessionChange::kSheet | SessionChange::kEmpty)) {
            Refresh();
        } else if (change.Has(SessionChange::kSelection) && isVisible()) {
            ShowWhy();
        }
        if (change.Has(SessionChange::kSelection | SessionChange::kSet)) {
            ShowSelectedCount();
        }
    });
}

void SuggestionsBox::ColoursChosen() {
    EmptyColours empty;
    for (int colour = 0; colour < kColours; ++colour) {
        empty.set(static_cast<std::size_t>(colour), Swatches[static_cast<std::size_t>(colour)]->isChecked());
    }
    session_.ChooseEmpty(empty);  // the session tells the box, which works the suggestions out again
}

void SuggestionsBox::Refresh() {
    if (!isVisible()) {
        return;
    }
    suggested_.Empty = session_.Empty();
    suggested_.DoneBlank = session_.DoneBlank();
    suggested_.Update(session_.Set(), session_.Features());
    const std::array<EmptyBecause, 16> reasons = session_.EmptyReasons();
    // The sheet read again may have new colours.
    static const std::vector<BMPPaletteEntry> kNoColours;
    const std::vector<BMPPaletteEntry>& colours = session_.Sheet() ? session_.Sheet()->Pixels.Palette : kNoColours;
    for (int colour = 0; colour < kColours; ++colour) {
        QToolButton* swatch = Swatches[static_cast<std::size_t>(colour)];
        const bool inPalette = static_cast<std::size_t>(colour) < colours.size();
        const BMPPaletteEntry entry = inPalette ? colours[static_cast<std::size_t>(colour)] : BMPPaletteEntry{};
        swatch->setIcon(SwatchIcon(inPalette ? qRgb(entry.Red, entry.Green, entry.Blue) : qRgb(0, 0, 0)));
        const bool empty = suggested_.Empty.test(static_cast<std::size_t>(colour));
        swatch->setChecked(empty);
        const EmptyBecause reason = reasons[static_cast<std::size_t>(colour)];
        const QString because = !empty                        ? QString("solid")
                                : session_.EmptyChosen()      ? QString("empty")
                                : reason == EmptyBecause::Sky ? QString("empty: the sky's colour")
                                                              : QString("empty: only in tiles you marked as passing");
        swatch->setToolTip(QString("Colour %1, %2").arg(colour).arg(because));
    }
    ShowWhy();
    const int tiles = static_cast<int>(suggested_.DifferingTiles().size());
    Differing->setText(tiles == 0   ? QString("No tile differs from its suggestion")
                       : tiles == 1 ? QString("1 tile differs from its suggestion")
                                    : QString("%1 tiles differ from their suggestions").arg(tiles));
    SelectThem->setEnabled(tiles > 0);
    Accept->setEnabled(tiles > 0);
    if (Changed) {
        Changed();
    }
}

void SuggestionsBox::ShowSelectedCount() {
    const int count = session_.Selection().Count();
    Accept->setText(count == 1 ? QString("Accept for the 1 selected tile")
                               : QString("Accept for the %1 selected tiles").arg(count));
}

void SuggestionsBox::ShowWhy() {
    const int tile = session_.CurrentTile();
    const std::optional<TileSuggestion> suggestion = suggested_.For(tile);
    const std::string why = !suggestion ? "no art to suggest from"
                            : IsDoneTile(session_.Set(), suggested_.DoneBlank, tile)
                                ? "done: learned from, never changed"
                                : SuggestionSource(*suggestion);
    Why->setText(QString("Tile %1: %2").arg(tile).arg(QString::fromStdString(why)));
}

}  // namespace mosalind
