#include "sprintor/ui/SprintorDlg.h"

#include "platform/Colour.h"
#include "platform/DialogUnits.h"
#include "platform/FileDialog.h"
#include "platform/Numbers.h"
#include "platform/PointFont.h"
#include "platform/Shell.h"
#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowStyles.h"
#include "sprintor/core/Resource.h"
#include "sprintor/ui/AboutDlg.h"
#include "sprintor/ui/IntExchange.h"
#include "sprintor/ui/Lamps.h"
#include "sprintor/ui/SprintorIcon.h"
#include "sprintor/ui/SprintorTemplate.h"

#include <QMouseEvent>

#include <algorithm>
#include <ctime>

namespace {

constexpr UINT kTickMs = 50;

} // namespace

CSprintorDlg::CSprintorDlg(int nPort, QWidget* parent)
    : PluginDialog(nPort, parent), m_bmpLampOff(LoadLampBitmap(IDB_LAMP_OFF)),
      m_bmpLampAmber(LoadLampBitmap(IDB_LAMP_AMBER)), m_bmpLampGreen(LoadLampBitmap(IDB_LAMP_GREEN)),
      m_hIcon(SprintorIcon())
{
    BuildTemplate();
}

CSprintorDlg::~CSprintorDlg() = default;

QString CSprintorDlg::MakerName()
{
    return QStringLiteral("Musterwerk Messtechnik");
}

QString CSprintorDlg::MakerUrl()
{
    return QStringLiteral("http://musterwerk.example.org/");
}

void CSprintorDlg::BuildTemplate()
{
    using platform::DialogRect;
    setWindowTitle(MakerName() + QStringLiteral(" - Sprintor"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The platform's sans font: its widths are close to those the layout was made for.
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, 353, 249).size());

    // The framework attaches the members to their controls.
    CreateControls(SprintorDialogTemplate(), {{IDC_TO, &m_editTo},
                                              {IDC_FROM, &m_editFrom},
                                              {IDC_UNIT, &m_comboUnit},
                                              {IDC_SAVE, &m_btnSave},
                                              {IDC_PRINT, &m_btnPrint},
                                              {IDC_STARTSTOP, &m_btnStartStop},
                                              {IDC_LAMP, &m_staticLamp}});
    m_comboUnit.addItems({QStringLiteral("km/h"), QStringLiteral("mph")}); // sorted, as the list keeps them
    // A picture static takes the size of its picture.
    m_staticLamp.resize(m_bmpLampOff.width() + 2, m_bmpLampOff.height() + 2);
    m_staticUrl = static_cast<QLabel*>(GetDlgItem(IDC_URL));
    m_staticUrl->installEventFilter(this);

    connect(&m_editFrom, &QLineEdit::textChanged, this, [this] {
        if (!m_bLockout)
            OnChangeFrom();
    });
    connect(&m_editTo, &QLineEdit::textChanged, this, [this] {
        if (!m_bLockout)
            OnChangeTo();
    });
    connect(&m_comboUnit, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_bLockout)
            OnSelchangeUnit();
    });
    connect(&m_btnStartStop, &QPushButton::clicked, this, [this] { OnStartStop(); });
    connect(&m_btnSave, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(&m_btnPrint, &QPushButton::clicked, this, [this] { OnPrint(); });
}

BOOL CSprintorDlg::UpdateData(BOOL bSaveAndValidate)
{
    const BOOL outer = m_bLockout;
    m_bLockout = TRUE;
    const BOOL ok = DoDataExchange(bSaveAndValidate);
    m_bLockout = outer;
    return ok;
}

BOOL CSprintorDlg::DoDataExchange(BOOL bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        m_editFrom.setText(QString::number(m_nFrom));
        m_editTo.setText(QString::number(m_nTo));
        return TRUE;
    }
    // The exchange ends at the first edit that fails.
    return ExchangeInt(this, m_editFrom, m_nFrom, 0, 280) && ExchangeInt(this, m_editTo, m_nTo, 0, 300);
}

BOOL CSprintorDlg::OnInitDialog()
{
    UpdateData(FALSE);
    AddSystemMenuItem(IDM_ABOUTBOX, IDS_ABOUTBOX);
    // The minimised window's icon is drawn by the window manager.
    setWindowIcon(m_hIcon);
    m_btnStartStop.setText(ResStr(IDS_START));
    m_btnSave.setText(ResStr(IDS_SAVE));
    m_btnPrint.setText(ResStr(IDS_PRINT));
    m_bLockout = TRUE;
    m_comboUnit.setCurrentIndex(0);
    m_bLockout = FALSE;
    m_staticLamp.setPixmap(m_bmpLampOff);

    const platform::Rect graphRect = platform::Rect::FromQRect(platform::DialogRect(13, 51, 325, 173));
    m_graph.Create(graphRect, WS_CHILD | WS_VISIBLE, this, IDC_GRAPH);
    m_graph.AddSeries(QString(), RGB(255, 0, 0), 0);
    m_graph.SetXMin(0);
    m_graph.SetXMax(15);
    SetSpeedDivisions();
    SetSpeedAxisLow();
    SetSpeedAxisHigh();
    m_graph.SetXTitle(ResStr(IDS_XTITLE));
    OnSelchangeUnit();

    RegisterHandler("ConEvent", &CSprintorDlg::OnHostConEvent);
    RegisterHandler("DataReply", &CSprintorDlg::OnHostDataReply);
    RegisterHandler("Quit", &CSprintorDlg::OnHostQuit);
    StartTimer(&CSprintorDlg::OnTimerTick, kTickMs);
    ConnectOrClose(IDS_HOST_UNREACHABLE);
    return TRUE;
}

void CSprintorDlg::SetSpeedDivisions()
{
    // Widened, so that extreme values in the edits cannot overflow.
    const long long span = static_cast<long long>(m_nTo) - m_nFrom;
    const long long wholeTens = span / 10;
    m_graph.SetYDivisions(platform::SaturatedInt(static_cast<double>(wholeTens + 1)));
}

// The ends are widened too: an edit may hold an extreme value.
void CSprintorDlg::SetSpeedAxisLow()
{
    m_graph.SetYMin(static_cast<float>(std::max(0LL, static_cast<long long>(m_nFrom) - 10)));
}

void CSprintorDlg::SetSpeedAxisHigh()
{
    m_graph.SetYMax(static_cast<float>(static_cast<long long>(m_nTo) + 10));
}

void CSprintorDlg::OnChangeFrom()
{
    UpdateData(TRUE);
    SetSpeedDivisions();
    SetSpeedAxisLow();
    m_graph.Refresh();
}

void CSprintorDlg::OnChangeTo()
{
    UpdateData(TRUE);
    SetSpeedDivisions();
    SetSpeedAxisHigh();
    m_graph.Refresh();
}

void CSprintorDlg::OnSelchangeUnit()
{
    m_graph.SetYTitle(QString::fromStdString(platform::FormatC(
        ResStr(IDS_YTITLE).toStdString().c_str(), m_comboUnit.currentText().toStdString().c_str())));
}

void CSprintorDlg::OnSave()
{
    char name[64] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr ||
        std::strftime(name, sizeof name, "Acceleration_%y%m%d_%H%M", &local) == 0)
        name[0] = '\0';
    platform::FileDialogRequest request;
    request.filter = ResStr(IDS_BITMAP_FILTER);
    request.fileName = QString::fromLatin1(name);
    request.defaultExt = QStringLiteral("bmp");
    request.promptOverwrite = true;
    if (const std::optional<QString> path = platform::GetSaveFileName(this, request))
        m_graph.SaveBitmap(*path);
}

void CSprintorDlg::OnPrint()
{
    m_graph.Print();
}

void CSprintorDlg::OnUrlClicked()
{
    platform::ShellOpen(MakerUrl());
}

bool CSprintorDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The address reports a click of the left button only, as a static that reports clicks does.
    if (watched == m_staticUrl && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        OnUrlClicked();
    return QDialog::eventFilter(watched, event);
}

void CSprintorDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
}
