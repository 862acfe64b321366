#pragma once
// The main dialog frame that the plug-ins share: the host link (client and tick timer), the
// wiring of the host's messages, connecting or closing, the system-menu items (shown in the
// dialog's context menu), and closing: the link goes first, then the tick, then the dialogs it
// owns, so that nothing is left open or ticking once the window is gone.
//
// A plug-in's dialog derives from it, makes its controls from its template in its constructor
// (CreateControls), finds them by id (GetDlgItem) and wires the link in OnInitDialog, which runs
// when the dialog is first shown:
//
//     BOOL CVerbrixDlg::OnInitDialog()
//     {
//         ...
//         RegisterHandler("ConEvent", &CVerbrixDlg::OnHostConEvent);   // the frame's own
//         RegisterHandler("DataReply", &CVerbrixDlg::OnHostDataReply);
//         RegisterHandler("Quit", &CVerbrixDlg::OnHostQuit);           // the frame's own
//         StartTimer(&CVerbrixDlg::OnTimerTick, 50);
//         ConnectOrClose(IDS_NO_HOST);
//         return TRUE;
//     }
//
// Handlers and the tick get the frame as their context; Dialog<CVerbrixDlg>(context) gives the
// dialog back.

#include "dialogkit/DialogControls.h"
#include "hostlink/TelvoClient.h"
#include "hostlink/TelvoFrame.h"
#include "hostlink/Timer.h"
#include "platform/WinTypes.h"

#include <QDialog>

#include <vector>

class PluginDialog : public QDialog {
    Q_OBJECT

public:
    // The host is reached at 127.0.0.1 on this port.
    explicit PluginDialog(int nPort = TELVO_HOST_PORT, QWidget* parent = nullptr);
    ~PluginDialog() override;
    PluginDialog(const PluginDialog&) = delete;
    PluginDialog& operator=(const PluginDialog&) = delete;

    // Opens the dialog and runs its modal loop until it closes.
    int DoModal() { return exec(); }

    // The control of the template with that id, or nullptr.
    QWidget* GetDlgItem(UINT id) const { return m_controls.GetDlgItem(id); }

    // A command of the system menu (its low four bits are the platform's own).
    virtual void OnSysCommand(UINT nID, LPARAM lParam) = 0;

    // The close request: the link goes first.
    void OnClose();
    // Without the window no tick may run, and no dialog it owns stays open: on the original
    // platform the ended modal loop and the window's destruction saw to that.
    void done(int result) override;

    // The frame's host handlers: a lost connection is made again once; "Quit" closes the
    // dialog once the current handler has returned.
    static void OnHostConEvent(void* context, std::string* kind, std::string* seq, std::string* payload);
    static void OnHostQuit(void* context, std::string* kind, std::string* seq, std::string* payload);

    CTimer m_timer;
    // Declared after the timer, so it goes first: it disconnects before the timer goes.
    CTelvoClient m_client;

protected:
    // Runs once, when the dialog is first shown (by DoModal or show()).
    virtual BOOL OnInitDialog() = 0;

    // Makes the dialog's controls from its template, the attached members in place of theirs.
    void CreateControls(std::span<const ControlTemplate> rows,
                        std::initializer_list<AttachedControl> attached = {})
    {
        m_controls.Create(this, rows, attached);
    }

    // The dialog of a handler's or the tick's context.
    template <class Dlg> static Dlg& Dialog(void* context)
    {
        return static_cast<Dlg&>(*static_cast<PluginDialog*>(context));
    }

    // Registers a host handler with the frame as its context; the first one of a name stays.
    void RegisterHandler(const char* name, CTelvoClient::HandlerFn handler);
    // Starts the tick with the frame as its context.
    void StartTimer(CTimer::TimerCallback onTick, UINT periodMs);
    // Connects to the host; when that fails, shows the message and closes the dialog once the
    // current handler has returned.
    BOOL ConnectOrClose(UINT nMessageId);
    // Queues a "DataRequest" while connected.
    void RequestData();
    // The port the host is reached on.
    int HostPort() const { return m_nPort; }

    // An item of the system menu, shown when its string exists and is not empty; choosing it
    // calls OnSysCommand with the command.
    void AddSystemMenuItem(UINT nCommand, UINT nStringId);

    // A box with an OK button, captioned with the application's name.
    void ShowMessage(const QString& text);
    void PostClose();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct MenuItem {
        UINT nCommand;
        UINT nStringId;
    };

    int m_nPort;
    DialogControls m_controls;
    std::vector<MenuItem> m_menuItems;
    BOOL m_bInitDone = FALSE;
};
