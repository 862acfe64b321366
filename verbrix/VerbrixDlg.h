#pragma once
// The main dialog of Verbrix (dialog 102): four large displays of current and average
// consumption, total litres and distance, fed by the host's replies on a 50 ms tick.

#include "hostlink/TelvoClient.h"
#include "hostlink/Timer.h"
#include "platform/WinTypes.h"
#include "verbrix/Consumption.h"

#include <QDialog>
#include <QFont>
#include <QIcon>

#include <string>

class QLabel;

class CVerbrixDlg : public QDialog {
public:
    explicit CVerbrixDlg(QWidget* parent = nullptr);
    ~CVerbrixDlg() override;
    CVerbrixDlg(const CVerbrixDlg&) = delete;
    CVerbrixDlg& operator=(const CVerbrixDlg&) = delete;

    // Opens the dialog and runs its modal loop until it closes.
    int DoModal();
    // Opens the dialog without a loop of its own, in the caller's loop.
    void Create();

    // The control with that number, or nullptr.
    QWidget* GetDlgItem(UINT id) const;
    const CConsumption& Consumption() const { return m_consumption; }

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnReset();

    void done(int result) override;

protected:
    BOOL OnInitDialog();
    // Shows the four display strings in their controls.
    void DoDataExchange();

    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static void OnTimerTick(void* context, UINT message, WPARAM wParam, LPARAM lParam);
    static void OnHostConEvent(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostDataReply(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostQuit(void* context, std::string* kind, std::string* seq, std::string* payload);

    void ShowMessage(UINT id);
    // Closes the dialog once the current handler has returned.
    void PostClose();

    // Children of the dialog, freed with it after the members below.
    QLabel* m_ctlDistance;
    QLabel* m_ctlTotal;
    QLabel* m_ctlAverage;
    QLabel* m_ctlConsumption;
    CConsumption m_consumption;
    CTimer m_timer;
    QFont m_font;
    QIcon m_hIcon;
    // Last member, so the first to go: it disconnects before the timer and the texts are gone.
    CTelvoClient m_client;
};
