#pragma once
// The main dialog of Sprintor (dialog 102): start and end speed, the unit, the start button
// with its lamp, save and print, and the graph of speed over time. The run itself (countdown,
// timing, result) is an AccelerationRun; SprintorRun.cpp feeds it and shows what it returns.

#include "dialogkit/PluginDialog.h"
#include "platform/WinTypes.h"
#include "sprintor/core/AccelerationRun.h"
#include "sprintor/graph/GraphWnd.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <string>

class CSprintorDlg : public PluginDialog {
    Q_OBJECT
public:
    explicit CSprintorDlg(int nPort = TELVO_HOST_PORT, QWidget* parent = nullptr);
    ~CSprintorDlg() override;

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
    void OnSysCommand(UINT nID, LPARAM lParam) override;

    // The tick and the host's replies (SprintorRun.cpp); "ConEvent" and "Quit" are the frame's.
    static void OnTimerTick(void* context, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnHostDataReply(void* context, std::string* kind, std::string* seq, std::string* payload);

    // The maker, shown in the caption, the about box and as the web address.
    static QString MakerName();
    static QString MakerUrl();

    // The members the template's controls are attached to; the graph is made in OnInitDialog.
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
    // The run's state: armed, countdown, speed field, clock.
    AccelerationRun m_run;
    QPixmap m_bmpLampOff;
    QPixmap m_bmpLampAmber;
    QPixmap m_bmpLampGreen;
    QIcon m_hIcon;

protected:
    BOOL OnInitDialog() override;
    BOOL DoDataExchange(BOOL bSaveAndValidate);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTemplate();
    // The speed axis from the two speeds: divisions, then the lower or the upper end.
    void SetSpeedDivisions();
    void SetSpeedAxisLow();
    void SetSpeedAxisHigh();

    // The run (SprintorRun.cpp): shows and does what the run asks.
    void Apply(const RunView& view);

    QLabel* m_staticUrl = nullptr;
    BOOL m_bLockout = FALSE;
};
