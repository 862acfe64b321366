#pragma once
// Oscivo's main dialog (dialog 102): the scope over the full width, three rows of four value
// fields below it (or, while the host sends the advanced block, ten advanced values in place of
// the first row), the playback controls on the left, the scale and step controls on the right,
// and the floating meters. The values come from the host every 40 ms in live mode.
//
// What a reply changes is worked out by the widget-free OscivoModel (oscivo/core); the dialog
// exchanges the model's members with its controls and applies what the model asks of the
// widgets (OscivoDisplay.cpp). Its files: this one's .cpp (opening, timers, the host link),
// OscivoLayout.cpp (controls, exchange, swatches, resizing), OscivoDisplay.cpp (replies, the
// layout switch, meters, scale editing), OscivoRun.cpp (Stop, Pause, closing) and
// OscivoPlayback.cpp (log mode: choosing a host log and the loop that plays it). Playback's
// state and its pace are worked out by the widget-free PlaybackRun (oscivo/core).

#include "dialogkit/PluginDialog.h"
#include "oscivo/core/LogReader.h"
#include "oscivo/core/MeterSetup.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/PlaybackRun.h"
#include "oscivo/ui/Resource.h"
#include "platform/WinTypes.h"
#include "platform/WindowTimers.h"
#include "scopecontrols/3DMeterCtrl.h"
#include "scopecontrols/ColorFrameCtrl.h"
#include "scopecontrols/InfoTip.h"
#include "scopecontrols/OScopeCtrl.h"

#include <QIcon>

#include <array>
#include <map>
#include <memory>
#include <string>

class QCheckBox;
class QPushButton;

class COscivoDlg : public PluginDialog {
    Q_OBJECT

public:
    // The host is reached at 127.0.0.1 on this port; the current directory is the start-up
    // directory, below which "Scaling" and "labels" lie.
    explicit COscivoDlg(int nPort = TELVO_HOST_PORT, QWidget* parent = nullptr);
    ~COscivoDlg() override;

    // A button or check box of the template, by id.
    QPushButton* Button(UINT id) const;
    QCheckBox* CheckBox(UINT id) const;
    // The icon a button shows (130 to 140), 0 for none.
    int ButtonImage(UINT id) const;

    // TRUE: the controls into the model's members; FALSE: the members, and what the model shows
    // without an exchange, into the controls. A text or check state is written only when it
    // changed, so that typing is not disturbed by the updates.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Handlers of the controls, the timers and the system menu.
    void OnTimer(UINT nIDEvent);
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnStepDown();
    void OnStepUp();
    void OnStop();
    void OnPause();
    void OnLoadLog();
    void OnFaster();
    void OnSlower();
    void OnNextScaleSlot();
    void OnPrevScaleSlot();
    void OnValueFocus(int slot);
    void OnKillFocusMax();
    void OnKillFocusMin();
    void OnMileageMeter();
    void OnConsumptionMeter();
    void OnAirFuelClicked();
    // A right click at a screen point: opens the meter of the swatch there; FALSE when no
    // swatch is there.
    BOOL OnContextMenu(QPoint point);
    void OnClose();

    void OpenSlotMeter(int row, int field);
    void OpenAdvancedMeter(int index);
    void Relayout();
    // The nested wait while paused; in live mode it then draws a gap into the scope.
    void WaitWhilePaused();
    // Writes the scales of the module they belong to; a failure is shown.
    void SaveModuleScaling();
    // Dispatches every waiting message; the nested loops' pump.
    static void PumpMessages();

    // The 40 ms tick and the host's messages; "ConEvent" and "QuitClient" take the frame's.
    static void OnTimerTick(void* context, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnHostDataReply(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostStopRequest(void* context, std::string* kind, std::string* seq, std::string* payload);

    // The members exchanged with the controls, and the display's state.
    OscivoModel m_model;
    // Load, Pause, Stop and the pace of a played log.
    PlaybackRun m_playback;
    // The log being played; open only while it plays.
    LogReader m_log;
    // Open meters: [0..11] the slots, [12] mileage, [13] consumption, [14..23] the advanced
    // values. A meter empties its entry when its window goes.
    std::array<C3DMeterCtrl*, kMeters> m_pMeters = {};
    CInfoTip m_tip;
    COScopeCtrl m_scope{kScopeSlots};
    // The swatches over the statics of the slots and of the advanced values; a layout has
    // windows only for the swatches it shows.
    std::array<std::unique_ptr<CColorFrameCtrl>, kScopeSlots> m_frameSlot;
    std::array<std::unique_ptr<CColorFrameCtrl>, kAdvancedValues> m_frameAdvanced;
    QIcon m_hIcon;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(BOOL bSaveAndValidate);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildTemplate();
    void SetButtonImage(UINT id, int iconId);
    void ShowControl(UINT id, bool show);
    void EnableControl(UINT id, bool enable);

    // Timer 1, 100 ms after opening: the live tick starts, or the playback controls show.
    void OnModeStart();
    void OnTitleHint();
    void OnSize(int cx, int cy);

    void CreateSlotFrame(UINT id, int row, int field);
    void CreateAdvancedFrame(UINT id, int index);
    // A swatch over the static, in the button face, with the static shown.
    std::unique_ptr<CColorFrameCtrl> MakeSwatch(UINT id);
    // Brings the swatches, A/F boxes, selection rectangles and fuel buttons to the model.
    void ShowModelState();
    void ShowScaleTexts();

    // A parsed reply on the screen, from the model's operations to the scope and the meters.
    void ShowReply();
    void Apply(const ReplyEffects& effects);
    void ApplyLayout(LayoutSwitch layout);
    void UpdateMeters(const double* values);
    void OpenMeter(int entry, const MeterSetup& setup);
    void DeleteMeter(int entry);
    // After the preferences: the colours and fuel-meter scales from Prefs.cfg.
    void ApplyPreferences();
    // An empty strip of 30 pixels in every trace: a pause, or a long break in a log.
    void DrawGap();

    // Log playback. ChooseLogFile: 1 = a host log is chosen (g_strLogPath), 0 = cancelled,
    // -1 = it cannot be opened or is no host log (the user has been told).
    int ChooseLogFile();
    // Opens g_strLogPath and reads its header; false when it cannot (the user has been told).
    bool OpenLog();
    // Pause after a rewind: the same log from its first line.
    void RestartLog();
    // Back to idle when a log cannot be played.
    void AbandonLog();
    void RunPlayback();
    // Converts and paces the next line: true when it is to be shown.
    bool PlaybackStep();
    void PaceLine();
    void ShowLogMessage(const LogMessage& message);
    // What the playback's model says the buttons and texts show.
    void ShowPlayback(const PlaybackView& view);

    std::map<UINT, int> m_buttonImage;
    std::array<QIcon, IDI_STEP_DOWN - IDI_STOP + 1> m_buttonIcons; // by resource number from 130
    // A/F boxes showing: their value edits are narrowed by the box's width.
    std::array<bool, kScopeSlots> m_bNarrowed = {};
    platform::WindowTimers m_dlgTimers;
};
