#pragma once
// The main dialog of Verbrix (dialog 102): four large displays of current and average
// consumption, total litres and distance, fed by the host's replies on a 50 ms tick.

#include "dialogkit/PluginDialog.h"
#include "platform/WinTypes.h"
#include "verbrix/core/Consumption.h"

#include <QFont>
#include <QIcon>

#include <string>

class QLabel;

class CVerbrixDlg : public PluginDialog {
    Q_OBJECT

public:
    explicit CVerbrixDlg(int nPort = TELVO_HOST_PORT, QWidget* parent = nullptr);
    ~CVerbrixDlg() override;

    const FuelAccounting& Consumption() const { return m_consumption; }

    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnReset();

protected:
    BOOL OnInitDialog() override;
    // Shows the four display strings in their controls.
    void DoDataExchange();

private:
    // The tick and the host's replies; "ConEvent" and "Quit" are the frame's.
    static void OnTimerTick(void* context, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnHostDataReply(void* context, std::string* kind, std::string* seq, std::string* payload);

    // Children of the dialog, freed with it after the members below.
    QLabel* m_ctlDistance;
    QLabel* m_ctlTotal;
    QLabel* m_ctlAverage;
    QLabel* m_ctlConsumption;
    FuelAccounting m_consumption;
    QFont m_font;
    QIcon m_hIcon;
};
