#include "dialogkit/PluginDialog.h"

#include "hostlink/ConEvent.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>

PluginDialog::PluginDialog(int nPort, QWidget* parent) : QDialog(parent), m_nPort(nPort) {}

PluginDialog::~PluginDialog() = default;

void PluginDialog::RegisterHandler(const char* name, CTelvoClient::HandlerFn handler)
{
    m_client.RegisterHandler(this, handler, name);
}

void PluginDialog::StartTimer(CTimer::TimerCallback onTick, UINT periodMs)
{
    m_timer.Start(this, onTick, periodMs);
}

BOOL PluginDialog::ConnectOrClose(UINT nMessageId)
{
    if (m_client.Connect("", m_nPort))
        return TRUE;
    ShowMessage(ResStr(nMessageId));
    PostClose();
    return FALSE;
}

void PluginDialog::RequestData()
{
    if (m_client.IsConnected())
        m_client.QueueMessage("DataRequest", "");
}

void PluginDialog::OnHostConEvent(void* context, std::string* kind, std::string*, std::string* payload)
{
    // Once, and whatever comes of it: a failed reconnect is silent.
    if (!IsConnectionLoss(*kind, *payload))
        return;
    auto& dlg = Dialog<PluginDialog>(context);
    dlg.m_client.Disconnect();
    dlg.m_client.Connect("", dlg.m_nPort);
}

void PluginDialog::OnHostQuit(void* context, std::string*, std::string*, std::string*)
{
    Dialog<PluginDialog>(context).PostClose();
}

void PluginDialog::AddSystemMenuItem(UINT nCommand, UINT nStringId)
{
    m_menuItems.push_back({nCommand, nStringId});
}

void PluginDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Stands in for the system menu: a window manager's title-bar menu takes no items of the
    // program's. With nothing of the platform's above them, the items need no separator.
    QMenu menu(this);
    for (const MenuItem& item : m_menuItems) {
        if (platform::HasString(item.nStringId) && !ResStr(item.nStringId).isEmpty())
            menu.addAction(ResStr(item.nStringId))->setData(item.nCommand);
    }
    if (menu.isEmpty())
        return;
    if (const QAction* chosen = menu.exec(event->globalPos()))
        OnSysCommand(chosen->data().toUInt(), 0);
}

void PluginDialog::ShowMessage(const QString& text)
{
    platform::ShowMessageBox(this, text, QCoreApplication::applicationName(), MB_OK);
}

void PluginDialog::PostClose()
{
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
}

void PluginDialog::showEvent(QShowEvent* event)
{
    if (!m_bInitDone) {
        m_bInitDone = TRUE;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void PluginDialog::OnClose()
{
    m_client.Disconnect();
}

void PluginDialog::closeEvent(QCloseEvent* event)
{
    OnClose();
    QDialog::closeEvent(event);
}

void PluginDialog::done(int result)
{
    m_timer.Stop();
    for (QDialog* owned : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (owned->isVisible())
            owned->reject();
    QDialog::done(result);
}
