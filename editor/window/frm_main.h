#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "document/tile_edit.h"
#include "document/tile_set.h"
#include "editing/editing_session.h"
#include "window/file_dialog.h"
#include "window/picture_box.h"
#include "window/rect_marker.h"
#include "window/slope_line.h"
#include "window/user_dialogs.h"

class QAction;
class QButtonGroup;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QScrollBar;
class QWheelEvent;

namespace mosalind {

class AnimationPlayback;
class EditHistory;
class ZoomedView;
struct LoadedSheet;
class RecoveryKeeper;
class SheetWatch;
class SuggestionsBox;
struct AbandonedRecovery;
class TryWindow;

// The editor's one window: its controls and views, which show the editing session, and
// the loaded tile bitmap with its planar graphics and displayed picture. Its handlers are
// named by control and event and live beside the rules they drive (frm_main_*.cpp in the
// subsystem folders); they turn the user's actions into the session's operations.
//
// The controls, the views and the session are public so that tests and scripts can drive
// the window as a user would and read what it shows; the handlers are private but for the
// few that timing runs call and what the command line does.
class FrmMain : public QWidget {
    Q_OBJECT

    // Declared first: the file dialogs below are built on them.
    std::unique_ptr<UserDialogs> ownDialogs_;
    UserDialogs* dialogs_;

public:
    // Without `dialogs` the window uses the real Qt dialogs.
    explicit FrmMain(UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~FrmMain() override;

    // ---- Controls, as laid out (positions in frm_main_layout.cpp) ----
    QLineEdit* txtTileCount = nullptr;
    QComboBox* cboFrameCount = nullptr;
    QGroupBox* fraOut = nullptr;
    QPushButton* cmdSave = nullptr;
    QGroupBox* fraIn = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdLoad = nullptr;
    QGroupBox* frmControls = nullptr;
    QPushButton* cmdSetSlope = nullptr;
    std::array<QComboBox*, 4> cboBlocking{};
    std::array<QPushButton*, 4> chkSlope{};  // checkable: "checked" is the side box set
    std::array<PictureBox*, 8> picAnim{};
    std::array<QPushButton*, 8> optAnim{};  // checkable, exclusive through optAnimGroup
    QButtonGroup* optAnimGroup = nullptr;
    PictureBox* picBMP = nullptr;
    QScrollBar* scrBMP = nullptr;
    PictureBox* picBMPScroller = nullptr;
    RectMarker* shpBMPSel = nullptr;
    PictureBox* picTiles = nullptr;
    PictureBox* picTilesScroller = nullptr;
    RectMarker* shpTileSel = nullptr;
    QScrollBar* scrTiles = nullptr;
    PictureBox* picTile = nullptr;
    SlopeLine* linSlope = nullptr;
    QComboBox* cboBehaviour = nullptr;
    QLabel* lblBMPNum = nullptr;
    QLabel* lblFrame = nullptr;
    QLabel* lblTileNum = nullptr;
    QLabel* lblBehaviour = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTileCount = nullptr;
    QAction* actUndo = nullptr;  // the keys (window/frm_main_keys.cpp)
    QAction* actRedo = nullptr;
    QAction* actSave = nullptr;

    ZoomedView* BMPZoom = nullptr;    // the bitmap view's zoom and scroll bars (window/zoomed_view.h)
    ZoomedView* TilesZoom = nullptr;  // the tile sheet's

    FileDialog cdlLoad;
    std::unique_ptr<RecoveryKeeper> Recovery;  // the unsaved edits kept on disk, once KeepRecoveryFile ran

    SheetWatch* SheetWatcher = nullptr;       // the loaded sheet's file, read again when it changes
    AnimationPlayback* Playback = nullptr;    // the animations playing, F3
    EditHistory* History = nullptr;           // the set's edits, undone and redone
    SuggestionsBox* SuggestionBox = nullptr;  // F6, made at its first use
    TryWindow* TryBox = nullptr;              // F7, made at its first use

    // ---- State: the session's, which the views show and listen to ----
    EditingSession Session;        // the tile set, the sheet, the current tile and frame, the selection
    bool AttributesShown = false;  // the attribute overlay over the tile sheet

    // ---- Handlers that scripts and timing runs call as the user's actions ----
    void cmdLoad_Click();                                                        // graphics/frm_main_load_tiles.cpp
    void cboBehaviour_Click();                                                   // editing/frm_main_tile_type.cpp
    void optAnim_Click(int index);                                               // editing/frm_main_frames.cpp
    void picTilesScroller_MouseDown(int button, int shift, double x, double y);  // window/frm_main_click_selection.cpp
    void actUndo_Triggered();                                                    // document/frm_main_history.cpp
    void actRedo_Triggered();
    void keySelectAll_Activated();    // window/frm_main_keyboard.cpp
    void keySuggestions_Activated();  // editing/frm_main_suggestions.cpp

    // ---- What the command line and the start do ----
    void LoadTilesFile(const QString& path);    // graphics/frm_main_load_tiles.cpp
    void OpenTileSetFile(const QString& path);  // document/frm_main_document_commands.cpp
    std::optional<QString> ReloadSheet();       // graphics/frm_main_sheet_reload.cpp
    // Keeps unsaved edits in a recovery file in `folder`; at the start, offers back those of
    // editors that ended (true: restored). In document/frm_main_recovery.cpp.
    void KeepRecoveryFile(const QString& folder);
    bool OfferRecovery();
    void SetScrollbarBMP();  // window/frm_main_scrolling.cpp: after the views were resized
    void SetScrollbarTiles();

protected:
    void closeEvent(QCloseEvent* event) override;  // document/frm_main_unsaved_work.cpp

private:
    FileDialog cdlOpen;
    FileDialog cdlSave;

    std::int16_t CurrentTile() const { return Session.CurrentTile(); }
    std::int16_t CurrentFrame() const { return Session.CurrentFrame(); }
    bool SetIsOpen() const { return Session.IsOpen(); }

    // ---- Handlers (the user's actions) ----
    void cmdNew_Click();  // document/frm_main_document_commands.cpp
    void cmdOpen_Click();
    void keyNew_Activated();  // Ctrl+N, Ctrl+O: another set in the same run
    void keyOpen_Activated();
    void cmdSave_Click();
    void actSave_Triggered();
    void cboBlocking_Click(int index);  // editing/frm_main_tile_type.cpp
    void chkSlope_Click(int index);     // editing/frm_main_slope.cpp
    void cmdSetSlope_Click();
    void picTile_MouseDown(int button, int shift, double x, double y);
    void picBMPScroller_MouseDown(int button, int shift, double x, double y);  // window/frm_main_click_selection.cpp
    void scrBMP_Change();                                                      // window/frm_main_scrolling.cpp
    void scrBMP_Scroll();
    void scrTiles_Change();
    void scrTiles_Scroll();
    void picTile_Paint(QPainter& painter);  // graphics/frm_main_paint.cpp
    void picAnim_Paint(int index, QPainter& painter);
    void picTilesScroller_Paint(QPainter& painter);
    void SheetWatcher_Settled();  // graphics/frm_main_sheet_reload.cpp
    void keyReload_Activated();
    bool picTilesScroller_KeyDown(int key, int shift);  // window/frm_main_keyboard.cpp
    bool picTiles_MouseWheel(QWheelEvent& event);       // window/frm_main_scrolling.cpp
    bool picBMP_MouseWheel(QWheelEvent& event);
    void keyZoomIn_Activated();  // window/frm_main_zoom.cpp
    void keyZoomOut_Activated();
    void keyZoomReset_Activated();
    void keyHelp_Activated();        // window/frm_main_keyboard.cpp
    void keyAttributes_Activated();  // graphics/frm_main_attribute_overlay.cpp
    void keyAnimate_Activated();     // graphics/frm_main_animation.cpp
    void keyCopy_Activated();        // editing/frm_main_copy_paste.cpp
    void keyPaste_Activated();
    void keyPasteWithFrames_Activated();
    void SuggestionBox_SelectThem();  // editing/frm_main_suggestions.cpp
    void SuggestionBox_Accept();
    void SuggestionBox_Closed();
    void keySameArt_Activated();
    void keyTry_Activated();  // motion/frm_main_try.cpp
    void keySameValues_Activated();
    void Session_Changed(const SessionChange& change);  // graphics/frm_main_paint.cpp

    // ---- Procedures ----
    void TakeSheet(LoadedSheet sheet);           // graphics/frm_main_load_tiles.cpp
    void EnableEditing();                        // document/frm_main_document_commands.cpp
    void ScrollTileIntoView(std::int16_t tile);  // window/frm_main_scrolling.cpp
    void SelectTile(std::int16_t tile);          // editing/frm_main_selection.cpp
    void ShowTileNumber(std::int16_t tile);
    void ShowBitmapOffset(std::int16_t cell);
    void SelectFrame(std::int16_t frame);  // editing/frm_main_frames.cpp
    void AssignFrameOffset(std::int16_t cell);
    void AssignFrameRun(std::int16_t cell, int step);  // from the current frame to the last
    void RefreshViews();                               // graphics/frm_main_paint.cpp
    void StopAnimation();                              // graphics/frm_main_animation.cpp
    int ShownFrame(int frame) const;                   // the frame a view of `frame` shows, playing or not
    bool SaveTileSetFile(const QString& path);         // false when refused; document/frm_main_document_commands.cpp
    bool ChooseFileAndSave();                          // false when cancelled or refused
    bool SaveToOwnFile();                              // without a dialog once there is the file
    // Asks, when another running editor has the set `path` open, whether to open it here
    // too (false: cancelled).
    bool MayOpenHere(const std::string& path);
    // The kept set of `found` becomes the window's (document/frm_main_recovery.cpp).
    void RestoreKeptSet(const AbandonedRecovery& found);
    // Pushes `edit` as one step of History, which writes it (document/frm_main_history.cpp).
    void PushEdit(TileEdit edit);
    void Paste(bool withFrames);  // editing/frm_main_copy_paste.cpp
    // Asks what to do with unsaved changes; true when nothing is left unsaved, it was
    // saved or the user discards it (document/frm_main_unsaved_work.cpp).
    bool SettleUnsavedWork();

    void BuildLayout();  // window/frm_main_layout.cpp
    void ConnectHandlers();
    void SetUpZoom();                                                    // window/frm_main_zoom.cpp
    void BuildKeys();                                                    // window/frm_main_keys.cpp
    void WatchSessionEnd();                                              // document/frm_main_unsaved_work.cpp
    void SetUpSheetReload();                                             // graphics/frm_main_sheet_reload.cpp
    void SetUpAnimation();                                               // graphics/frm_main_animation.cpp
    void ShowStep(const TileEdit& step);                                 // document/frm_main_history.cpp
    void DrawSheetMarks(QPainter& painter, int firstTile, int endTile);  // graphics/frm_main_attribute_overlay.cpp

    SessionSubscription sessionListening_;
};

}  // namespace mosalind
