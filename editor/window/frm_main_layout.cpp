#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "editing/tile_type_list.h"
#include "window/command_button.h"
#include "window/drop_down_list.h"
#include "window/edit_history.h"
#include "window/frm_main.h"
#include "window/list_tool_tip.h"
#include "window/recovery_keeper.h"

namespace mosalind {

namespace {

// The window's client size as laid out, also its smallest, and the design's colours
// (&H00BBGGRR in the design).
constexpr int kClientWidth = 727;
constexpr int kClientHeight = 503;
const QColor kTileMarkerColour(255, 0, 0);
const QColor kBitmapMarkerColour(0, 255, 0);
const QColor kSlopeLineColour(255, 0, 0);

// The editor's own font, so that every machine shows the captions alike: 11 pixels is
// the small dialog font the layout was designed for, and the condensed face keeps the
// longest captions ("Frame Count:", "Load Tiles...") on one line at the laid-out widths.
constexpr int kFontPixelSize = 11;
const QStringList kFontFamilies{"DejaVu Sans Condensed", "DejaVu Sans"};

// The IN and OUT frames hold their buttons close under the title: the frame's line runs
// through the middle of the title, as in a classic dialog, instead of below it and through
// the buttons.
const char* const kTitledFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; top: 0px;"
    " padding: 0px 2px; }";

constexpr int kScrollSmallChange = 8;
constexpr int kScrollLargeChange = 128;

QComboBox* MakeList(QWidget* container, const QStringList& rows, int left, int top, int width, int height) {
    auto* list = new DropDownList(container);
    list->setEditable(false);
    list->addItems(rows);
    list->setCurrentIndex(-1);
    list->setGeometry(left, top, width, height);
    KeepListTextReadable(list);
    return list;
}

QLabel* MakeLabel(QWidget* container, const QString& caption, int left, int top, int width, int height) {
    auto* label = new QLabel(caption, container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(left, top, width, height);
    return label;
}

QPushButton* MakeToggle(QWidget* container, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, container);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(left, top, width, height);
    return button;
}

QScrollBar* MakeScrollBar(QWidget* container, int left, int top, int width, int height) {
    auto* bar = new QScrollBar(Qt::Vertical, container);
    bar->setRange(0, 0);
    bar->setSingleStep(kScrollSmallChange);
    bar->setPageStep(kScrollLargeChange);
    bar->setGeometry(left, top, width, height);
    return bar;
}

}  // namespace

FrmMain::FrmMain(UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtUserDialogs>()),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      cdlLoad(*dialogs_),
      cdlOpen(*dialogs_),
      cdlSave(*dialogs_) {
    BuildLayout();
    ConnectHandlers();
    SetUpZoom();
    History = new EditHistory(Session, this);
    History->ShowStep = [this](const TileEdit& step) { ShowStep(step); };
    sessionListening_ = Session.Listen([this](const SessionChange& change) { Session_Changed(change); });
    BuildKeys();
    WatchSessionEnd();
    SetUpSheetReload();
    SetUpAnimation();
}

// The history is a child, so it outlives the members it reports to: it must report no
// more once they are gone (a stack being destroyed reports its index as it empties).
FrmMain::~FrmMain() {
    History->disconnect(this);
}

void FrmMain::BuildLayout() {
    setWindowTitle("Mosalind");
    QFont windowFont = font();
    windowFont.setFamilies(kFontFamilies);
    windowFont.setPixelSize(kFontPixelSize);
    setFont(windowFont);
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);

    // Controls in the order of the design, containers before their contents.
    txtTileCount = new QLineEdit("910", this);
    txtTileCount->setGeometry(440, 16, 57, 19);
    txtTileCount->setEnabled(false);

    cboFrameCount = MakeList(this, {" 4", " 8"}, 440, 40, 57, 21);

    fraOut = new QGroupBox("OUT", this);
    fraOut->setGeometry(272, 8, 89, 49);
    fraOut->setStyleSheet(kTitledFrameStyle);
    cmdSave = new CommandButton("&Save...", fraOut);
    cmdSave->setGeometry(8, 16, 73, 25);
    fraOut->setEnabled(false);

    fraIn = new QGroupBox("IN", this);
    fraIn->setGeometry(88, 8, 177, 49);
    fraIn->setStyleSheet(kTitledFrameStyle);
    cmdNew = new CommandButton("&New", fraIn);
    cmdNew->setGeometry(8, 16, 73, 25);
    cmdOpen = new CommandButton("&Open...", fraIn);
    cmdOpen->setGeometry(88, 16, 73, 25);
    fraIn->setEnabled(false);

    cmdLoad = new CommandButton("&Load Tiles...", this);
    cmdLoad->setGeometry(8, 16, 73, 41);

    frmControls = new QGroupBox(this);
    frmControls->setGeometry(8, 72, 713, 417);

    cmdSetSlope = new CommandButton("SET SLOPE", frmControls);
    cmdSetSlope->setGeometry(504, 48, 49, 41);

    const QStringList blockingTop{"0 - Nothing", "1 - Blocking", "2 - Slippery", "3 - Icy"};
    const QStringList blockingRightBottom{"0 - Nothing", "1 - Blocking", "2 - x", "3 - x"};
    const QStringList blockingLeft{"0 - Nothing", "1 - Blocking", "2- x", "3 -x "};
    cboBlocking[0] = MakeList(frmControls, blockingTop, 584, 80, 57, 21);
    cboBlocking[1] = MakeList(frmControls, blockingRightBottom, 648, 144, 57, 21);
    cboBlocking[2] = MakeList(frmControls, blockingRightBottom, 584, 192, 57, 21);
    cboBlocking[3] = MakeList(frmControls, blockingLeft, 496, 144, 57, 21);

    chkSlope[0] = MakeToggle(frmControls, "S", 560, 80, 17, 17);
    chkSlope[1] = MakeToggle(frmControls, "S", 664, 120, 17, 17);
    chkSlope[2] = MakeToggle(frmControls, "S", 560, 192, 17, 17);
    chkSlope[3] = MakeToggle(frmControls, "S", 520, 120, 17, 17);

    for (int i = 0; i < 8; ++i) {
        const int column = i % 4;
        const int row = i / 4;
        picAnim[i] = new PictureBox(frmControls);
        picAnim[i]->SetSunkenBorder(true);
        picAnim[i]->SetUserScale(15, 15);
        picAnim[i]->setGeometry(504 + 48 * column, row == 0 ? 248 : 336, 41, 41);
    }
    optAnimGroup = new QButtonGroup(this);
    optAnimGroup->setExclusive(true);
    for (int i = 0; i < 8; ++i) {
        const int column = i % 4;
        const int row = i / 4;
        optAnim[i] =
            MakeToggle(frmControls, QString("&%1").arg(i + 1), 512 + 48 * column, row == 0 ? 296 : 384, 25, 25);
        optAnimGroup->addButton(optAnim[i], i);
    }

    picBMP = new PictureBox(frmControls);
    picBMP->setGeometry(0, 40, 241, 361);
    picBMP->SetSunkenBorder(true);
    scrBMP = MakeScrollBar(picBMP->Inner(), 220, 0, 17, 357);
    picBMPScroller = new PictureBox(picBMP->Inner());
    picBMPScroller->setGeometry(0, 0, 105, 129);
    picBMPScroller->SetAutoSize(true);
    shpBMPSel = new RectMarker(kBitmapMarkerColour, picBMPScroller);
    shpBMPSel->setGeometry(0, 0, 21, 21);
    shpBMPSel->hide();

    picTiles = new PictureBox(frmControls);
    picTiles->setGeometry(248, 40, 241, 361);
    picTiles->SetSunkenBorder(true);
    picTilesScroller = new PictureBox(picTiles->Inner());
    picTilesScroller->setGeometry(0, 0, 208, 1120);
    picTilesScroller->SetAutoSize(true);
    shpTileSel = new RectMarker(kTileMarkerColour, picTilesScroller);
    shpTileSel->setGeometry(0, 0, 21, 21);
    shpTileSel->hide();
    scrTiles = MakeScrollBar(picTiles->Inner(), 220, 0, 17, 357);

    picTile = new PictureBox(frmControls);
    picTile->setGeometry(560, 104, 81, 81);
    picTile->SetSunkenBorder(true);
    linSlope = new SlopeLine(kSlopeLineColour, picTile->Inner());
    linSlope->setGeometry(picTile->Inner()->rect());
    linSlope->ArtPixels = kCellSize;
    linSlope->X1 = 0;
    linSlope->Y1 = 0;
    linSlope->X2 = 80;
    linSlope->Y2 = 80;
    linSlope->hide();

    QStringList behaviours;
    for (const char* row : kTileTypeRows) {
        behaviours.append(QString::fromLatin1(row));
    }
    cboBehaviour = MakeList(frmControls, behaviours, 560, 16, 129, 21);

    lblBMPNum = MakeLabel(frmControls, "Offset in Bitmap:", 8, 16, 137, 17);
    lblFrame = MakeLabel(frmControls, "Current Frame", 376, 16, 105, 17);
    lblTileNum = MakeLabel(frmControls, "Current Tile: ", 248, 16, 97, 17);
    lblBehaviour = MakeLabel(frmControls, "Tile Type:", 496, 16, 57, 17);
    Label1 = MakeLabel(this, "Frame Count:", 360, 40, 73, 25);
    lblTileCount = MakeLabel(this, "Tile Count", 360, 16, 73, 17);

    frmControls->setEnabled(false);
}

void FrmMain::ConnectHandlers() {
    connect(cmdLoad, &QPushButton::clicked, this, [this] { cmdLoad_Click(); });
    connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });

    connect(cboBehaviour, &QComboBox::activated, this, [this] { cboBehaviour_Click(); });
    for (int i = 0; i < 4; ++i) {
        connect(cboBlocking[i], &QComboBox::activated, this, [this, i] { cboBlocking_Click(i); });
        connect(chkSlope[i], &QPushButton::clicked, this, [this, i] { chkSlope_Click(i); });
    }
    // A row clicked in the list gives the keys back to the tile sheet, so that the arrows
    // go on moving the current tile; a list reached with Tab keeps them.
    for (QComboBox* list : {cboBehaviour, cboBlocking[0], cboBlocking[1], cboBlocking[2], cboBlocking[3]}) {
        connect(list, &QComboBox::activated, this, [this, list] {
            if (static_cast<DropDownList*>(list)->ChosenWithMouse()) {
                picTilesScroller->setFocus(Qt::MouseFocusReason);
            }
        });
    }
    connect(cmdSetSlope, &QPushButton::clicked, this, [this] { cmdSetSlope_Click(); });
    for (int i = 0; i < 8; ++i) {
        connect(optAnim[i], &QPushButton::clicked, this, [this, i] { optAnim_Click(i); });
        picAnim[i]->Paint = [this, i](QPainter& painter) { picAnim_Paint(i, painter); };
    }

    picTile->MouseDown = [this](int button, int shift, double x, double y) { picTile_MouseDown(button, shift, x, y); };
    picTilesScroller->MouseDown = [this](int button, int shift, double x, double y) {
        picTilesScroller_MouseDown(button, shift, x, y);
    };
    picBMPScroller->MouseDown = [this](int button, int shift, double x, double y) {
        picBMPScroller_MouseDown(button, shift, x, y);
    };
    picTile->Paint = [this](QPainter& painter) { picTile_Paint(painter); };
    picTilesScroller->Paint = [this](QPainter& painter) { picTilesScroller_Paint(painter); };
    // A click on the sheet gives it the focus, and so its keys.
    picTilesScroller->setFocusPolicy(Qt::StrongFocus);
    picTilesScroller->KeyDown = [this](int key, int shift) { return picTilesScroller_KeyDown(key, shift); };
    // The wheel over a content or the rest of its viewport.
    for (PictureBox* box : {picTiles, picTilesScroller}) {
        box->MouseWheel = [this](QWheelEvent& event) { return picTiles_MouseWheel(event); };
    }
    for (PictureBox* box : {picBMP, picBMPScroller}) {
        box->MouseWheel = [this](QWheelEvent& event) { return picBMP_MouseWheel(event); };
    }

    connect(scrBMP, &QScrollBar::valueChanged, this, [this] { scrBMP_Change(); });
    connect(scrBMP, &QScrollBar::sliderMoved, this, [this] { scrBMP_Scroll(); });
    connect(scrTiles, &QScrollBar::valueChanged, this, [this] { scrTiles_Change(); });
    connect(scrTiles, &QScrollBar::sliderMoved, this, [this] { scrTiles_Scroll(); });
}

}  // namespace mosalind
