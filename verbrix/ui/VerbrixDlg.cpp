#include "verbrix/ui/VerbrixDlg.h"

#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/PointFont.h"
#include "platform/StringTable.h"
#include "verbrix/core/Resource.h"
#include "verbrix/ui/AboutDlg.h"
#include "verbrix/ui/VerbrixIcon.h"
#include "verbrix/ui/VerbrixTemplate.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr UINT kTickMs = 50;

} // namespace

CVerbrixDlg::CVerbrixDlg(int nPort, QWidget* parent) : PluginDialog(nPort, parent), m_hIcon(VerbrixIcon())
{
    using platform::DialogRect;
    setWindowTitle(QStringLiteral("Verbrix"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, 280, 175).size());

    CreateControls(VerbrixDialogTemplate());
    m_ctlConsumption = static_cast<QLabel*>(GetDlgItem(IDC_CONSUMPTION));
    m_ctlAverage = static_cast<QLabel*>(GetDlgItem(IDC_AVERAGE));
    m_ctlTotal = static_cast<QLabel*>(GetDlgItem(IDC_TOTAL));
    m_ctlDistance = static_cast<QLabel*>(GetDlgItem(IDC_DISTANCE));
    connect(static_cast<QPushButton*>(GetDlgItem(IDC_RESET)), &QPushButton::clicked, this,
            [this] { OnReset(); });
    connect(static_cast<QPushButton*>(GetDlgItem(IDOK)), &QPushButton::clicked, this, &QDialog::accept);
}

CVerbrixDlg::~CVerbrixDlg() = default;

BOOL CVerbrixDlg::OnInitDialog()
{
    DoDataExchange();
    AddSystemMenuItem(IDM_ABOUTBOX, IDS_ABOUTBOX);
    setWindowIcon(m_hIcon);
    // The minimised window and its drag icon are drawn by the window manager here.
    m_font = platform::PointFont(360, QStringLiteral("Arial"));
    for (QLabel* display : {m_ctlConsumption, m_ctlAverage, m_ctlTotal, m_ctlDistance})
        display->setFont(m_font);

    RegisterHandler("ConEvent", &CVerbrixDlg::OnHostConEvent);
    RegisterHandler("DataReply", &CVerbrixDlg::OnHostDataReply);
    RegisterHandler("Quit", &CVerbrixDlg::OnHostQuit);
    StartTimer(&CVerbrixDlg::OnTimerTick, kTickMs);
    ConnectOrClose(IDS_NO_HOST);
    return TRUE;
}

void CVerbrixDlg::DoDataExchange()
{
    m_ctlConsumption->setText(QString::fromLatin1(m_consumption.Consumption()));
    m_ctlAverage->setText(QString::fromLatin1(m_consumption.AverageText()));
    m_ctlTotal->setText(QString::fromLatin1(m_consumption.TotalText()));
    m_ctlDistance->setText(QString::fromLatin1(m_consumption.DistanceText()));
}

void CVerbrixDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
}

void CVerbrixDlg::OnReset()
{
    m_consumption.Reset();
    DoDataExchange();
}

void CVerbrixDlg::OnTimerTick(void* context, UINT, WPARAM, LPARAM)
{
    auto& dlg = Dialog<CVerbrixDlg>(context);
    dlg.RequestData();
    dlg.m_client.Pump();
}

void CVerbrixDlg::OnHostDataReply(void* context, std::string* kind, std::string*, std::string* payload)
{
    auto& dlg = Dialog<CVerbrixDlg>(context);
    const ReplyVerdict verdict = dlg.m_consumption.OnHostDataReply(*kind, *payload);
    if (verdict.nMessageId == 0) {
        dlg.DoDataExchange();
        return;
    }
    // Disconnected first, so that no request goes out while the message is shown.
    dlg.m_client.Disconnect();
    dlg.ShowMessage(ResStr(verdict.nMessageId));
    if (verdict.bClose)
        dlg.PostClose();
}
