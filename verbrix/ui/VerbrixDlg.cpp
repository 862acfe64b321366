#include "verbrix/ui/VerbrixDlg.h"

#include "hostlink/StaticText.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/PointFont.h"
#include "platform/StringTable.h"
#include "verbrix/core/Resource.h"
#include "verbrix/ui/AboutDlg.h"
#include "verbrix/ui/VerbrixIcon.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr UINT kTickMs = 50;

// The rows of the dialog, top to bottom: label text, display control and its text in the
// dialog template, replaced as the dialog opens.
struct DisplayRow {
    const char* label;
    UINT id;
    const char* placeholder;
};
constexpr DisplayRow kRows[] = {
    {"Momentanverbrauch in l/100km:", IDC_CONSUMPTION, "<CONS>"},
    {"Durchschnitt in l/100km:", IDC_AVERAGE, "<AVG>"},
    {"Gesamtverbrauch in l:", IDC_TOTAL, "<TOT>"},
    {"Gefahrene Strecke im km:", IDC_DISTANCE, "<KM>"},
};

QPushButton* AddButton(QWidget* parent, UINT id, const char* text, QRect dlu)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(dlu);
    return button;
}

} // namespace

CVerbrixDlg::CVerbrixDlg(int nPort, QWidget* parent) : PluginDialog(nPort, parent), m_hIcon(VerbrixIcon())
{
    using platform::DialogRect;
    setWindowTitle(QStringLiteral("Verbrix"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, 280, 175).size());

    QLabel* displays[4] = {};
    for (int row = 0; row < 4; ++row) {
        const int y = 7 + row * 37;
        AddStatic(this, QString::fromUtf8(kRows[row].label), DialogRect(7, y + 12, 130, 10));
        QLabel* display =
            AddStatic(this, QString::fromLatin1(kRows[row].placeholder), DialogRect(140, y, 133, 34));
        display->setObjectName(QString::number(kRows[row].id));
        display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        display->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        display->setIndent(0); // a static draws its text right inside its edge
        displays[row] = display;
    }
    m_ctlConsumption = displays[0];
    m_ctlAverage = displays[1];
    m_ctlTotal = displays[2];
    m_ctlDistance = displays[3];

    QPushButton* reset = AddButton(this, IDC_RESET, "R&eset", DialogRect(140, 155, 60, 14));
    connect(reset, &QPushButton::clicked, this, [this] { OnReset(); });
    QPushButton* end = AddButton(this, IDOK, "B&eenden", DialogRect(213, 155, 60, 14));
    end->setDefault(true);
    connect(end, &QPushButton::clicked, this, &QDialog::accept);
}

CVerbrixDlg::~CVerbrixDlg() = default;

QWidget* CVerbrixDlg::GetDlgItem(UINT id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

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
