#pragma once
// The main dialog of Sprintor (dialog 102): start and end speed, the unit, the start button
// with its lamp, save and print, and the graph of speed over time. The run itself (countdown,
// timing, result) is in SprintorRun.cpp.

#include "hostlink/TelvoClient.h"
#include "hostlink/Timer.h"
#include "platform/WinTypes.h"
#include "sprintor/graph/GraphWnd.h"

#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cstdint>
#include <string>

class CSprintorDlg : public QDialog {
    Q_OBJECT
public:
    // The run states of SprintorRun.cpp.
    enum RunState { STATE_IDLE = 0, STATE_ARMED, STATE_BEEP1, STATE_BEEP2, STATE_AMBER, STATE_MEASURING };

    explicit CSprintorDlg(QWidget* parent = nullptr);
    ~CSprintorDlg() override;
    CSprintorDlg(const CSprintorDlg&) = delete;
    CSprintorDlg& operator=(const CSprintorDlg&) = delete;

    // Runs the dialog modally. The dialog initialises itself when it is first shown, so that
    // show() opens it the same way in the caller's loop.
    int DoModal() { return exec(); }

    // The framework's data exchange: TRUE reads and checks the edits, FALSE shows the members.
    // Control notifications are locked out meanwhile.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Handlers of the controls and the system menu.
    void OnChangeFrom();
    void OnChangeTo();
    void OnSelchangeUnit();
    void OnStartStop();
    void OnSave();
    void OnPrint();
    void OnUrlClicked();
    void OnSysCommand(UINT nID);
    void OnClose();

    // The tick and the host's messages (SprintorRun.cpp).
    static void OnTimerTick(void* context, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnHostConEvent(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostDataReply(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostQuit(void* context, std::string* kind, std::string* seq, std::string* payload);

    void done(int result) override;

    // The maker, shown in the caption, the about box and as the web address.
    static QString MakerName();
    static QString MakerUrl();

    QLineEdit m_editTo;
    QLineEdit m_editFrom;
    QComboBox m_comboUnit;
    QPushButton m_btnSave;
    QPushButton m_btnPrint;
    QPushButton m_btnStartStop;
    QLabel m_staticLamp;
    CGraphWnd m_graph;
    int m_nFrom = 0;
    int m_nTo = 100;
    BOOL m_bRunning = FALSE;
    int m_nTickCount = 0;
    int m_nSpeedColumn = -1;
    std::uint32_t m_dwStartTime = 0;
    int m_nRunState = STATE_IDLE;
    CTimer m_timer;
    QPixmap m_bmpLampOff;
    QPixmap m_bmpLampAmber;
    QPixmap m_bmpLampGreen;
    QIcon m_hIcon;
    // Last member, so the first to go: it disconnects before the timer goes.
    CTelvoClient m_client;

protected:
    BOOL OnInitDialog();
    BOOL DoDataExchange(BOOL bSaveAndValidate);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTemplate();
    // The speed axis from the two speeds: divisions, then the lower or the upper end.
    void SetSpeedDivisions();
    void SetSpeedAxisLow();
    void SetSpeedAxisHigh();
    void ShowMessage(const QString& text);
    // Closes the dialog once the current handler has returned.
    void PostClose();
    void ConnectOrClose();

    // The run (SprintorRun.cpp).
    void RequestAndPump();
    void StepCountdown();
    void FindSpeedColumn(const std::string& payload);
    void TakeSpeed(const std::string& payload);
    void CompleteRun(float seconds);
    void EndRun(UINT nMessageId);

    QLabel* m_staticUrl = nullptr;
    BOOL m_bInitDone = FALSE;
    BOOL m_bLockout = FALSE;
};
