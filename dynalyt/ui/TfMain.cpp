#include "dynalyt/ui/TfMain.h"

#include "dynalyt/ui/FormFonts.h"
#include "dynalyt/ui/HandlerGuard.h"
#include "dynalyt/ui/Maker.h"
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/TStringGrid.h"
#include "dynalyt/ui/TfAbout.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>

namespace dynalyt {
namespace {

// The edits of page "Eingaben" in the order of InputEdit.
QLineEdit* TfMain::*const kEditMembers[InputEditCount] = {
    &TfMain::e_datum,          &TfMain::e_leergew,   &TfMain::e_insassengew,
    &TfMain::e_kraftstoffgew,  &TfMain::e_sonstgew,  &TfMain::e_gew,
    &TfMain::e_luftdr,         &TfMain::e_temp,      &TfMain::e_fahrzeug,
    &TfMain::e_serienleistung, &TfMain::e_motorkenn, &TfMain::e_modelljahr,
    &TfMain::e_modif,          &TfMain::e_abruv,
};

void ShowText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

TfMain::TfMain(const QString& programPath)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_unit(*this), m_programPath(programPath)
{
    setObjectName(QStringLiteral("fMain"));
    setFont(FormFont());

    auto* client = new QWidget(this);
    client->setFixedSize(707, 508);
    setCentralWidget(client);
    Tabs = new QTabWidget(client);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->setGeometry(8, 8, 689, 489);
    for (QWidget** page : {&ts1, &ts2, &ts3, &ts4, &ts5}) {
        *page = new QWidget;
        Tabs->addTab(*page, QString());
    }
    ts1->setObjectName(QStringLiteral("ts1"));
    ts2->setObjectName(QStringLiteral("ts2"));
    ts3->setObjectName(QStringLiteral("ts3"));
    ts4->setObjectName(QStringLiteral("ts4"));
    ts5->setObjectName(QStringLiteral("ts5"));
    CreatePageInputs();
    CreatePageRuns();
    CreatePageResults();
    CreatePageDiagram();
    CreatePageSettings();
    CreateMenu();
    fAbout = new TfAbout(this);

    FormCreate();
    Tabs->setCurrentWidget(ts4);
    connect(Tabs, &QTabWidget::currentChanged, this, &TfMain::TabsChange);
    ShowTexts();
    setFixedSize(sizeHint());
}

TfMain::~TfMain() = default;

QLineEdit* TfMain::EditOf(InputEdit edit) const
{
    return this->*kEditMembers[static_cast<int>(edit)];
}

void TfMain::FormCreate()
{
    setWindowTitle(QString::fromUtf8(MakerName) +
                   QStringLiteral("  Dynalyt V3.0.8 - Leistungsmessung mit Diagnoma"));
    const QString captions[] = {QStringLiteral("Eingaben"), QStringLiteral("Messwerte"),
                                QStringLiteral("Auswertung"), QStringLiteral("Diagramm"),
                                QStringLiteral("Einstellungen")};
    for (int i = 0; i < 5; ++i)
        Tabs->setTabText(i, captions[i]);

    gb5->setTitle(QStringLiteral("Import für Log-Dateien"));
    Label19->setText(QStringLiteral("Trenner"));
    Label20->setText(QStringLiteral("Spaltenname für Zeit"));
    Label57->setText(QStringLiteral("Spaltenname für Motordrehzahl"));
    Label58->setText(QStringLiteral("Spaltenname für Geschwindigkeit"));
    zsetzen->setText(QStringLiteral("&Standard"));

    z_trenner->setToolTip(QStringLiteral("Dieses Zeichen trennt die Spalten der CSV-Datei."));
    s_zeit->setToolTip(QStringLiteral("In der CSV-Datei bezeichnet dieser Text die Spalte für ´Zeit´."));
    s_kmh->setToolTip(
        QStringLiteral("In der CSV-Datei bezeichnet dieser Text die Spalte für ´Geschwindigkeit´."));
    s_umin->setToolTip(
        QStringLiteral("In der CSV-Datei bezeichnet dieser Text die Spalte für ´Motordrehzahl´."));
    zsetzen->setToolTip(QStringLiteral("Auf Standardeingaben zurücksetzen."));

    m_unit.Chart1.Title = QStringLiteral("Dynalyt - Leistungsdiagramm");
    Label18->setText(QStringLiteral("Maximalwerte:"));
}

void TfMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_bShown)
        return;
    m_bShown = true;
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - frameGeometry().center() + pos());
    FormShow();
}

void TfMain::FormShow()
{
    Handle([this] {
        m_unit.AirCorrection = 1.0;
        m_unit.TyreRatio = 1.0;
        m_unit.ReadSettingsFile(MainUnit::SettingsFileName(m_programPath));
        m_unit.z_trennerChange();
    });
}

void TfMain::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TfMain::FormCloseQuery(bool& canClose)
{
    RunGuarded(this, [&] {
        if (platform::ShowQuestion(this, QStringLiteral("\rDynalyt beenden?"), QStringLiteral("Bestätigen"),
                                   QStringLiteral("&Ja"), QStringLiteral("&Nein")) == IDNO)
            canClose = false;
    });
}

void TfMain::beendenClick()
{
    Handle([this] { close(); });
}

void TfMain::HelpClick()
{
    // The shell's answer is not looked at: without the help text nothing changes.
    Handle([this] {
        platform::ShellOpen(
            QDir(QFileInfo(m_programPath).absolutePath()).filePath(QStringLiteral("readme.txt")));
    });
}

void TfMain::AboutClick()
{
    Handle([this] { fAbout->exec(); });
}

void TfMain::URLClick()
{
    Handle([] { platform::ShellOpen(QString::fromUtf8(MakerUrl)); });
}

void TfMain::TabsChange()
{
    Handle([this] { m_unit.TabsChange(); });
}

void TfMain::e_leergewChange()
{
    Handle([this] { m_unit.e_leergewChange(); });
}

void TfMain::ShowMessage(const QString& text)
{
    platform::ShowMessageBox(this, text, QString::fromUtf8(ApplicationTitle), MB_OK);
}

void TfMain::ShowError(const QString& text)
{
    ShowErrorBox(this, text);
}

void TfMain::ShowPage(Page page)
{
    // A page switch of the program's own does not run the page's change handler again.
    const QSignalBlocker blocker(Tabs);
    Tabs->setCurrentIndex(static_cast<int>(page));
}

void TfMain::FocusEdit(InputEdit edit)
{
    EditOf(edit)->setFocus(Qt::OtherFocusReason);
}

void TfMain::Handle(const std::function<void()>& handler)
{
    RunGuarded(this, [&] {
        CommitEditors();
        handler();
    });
    ShowTexts();
}

void TfMain::CommitEditors()
{
    m_beschl->CommitEditor();
    m_ausr->CommitEditor();
}

void TfMain::BindEdit(QLineEdit* edit, QString& text)
{
    connect(edit, &QLineEdit::textChanged, this, [this, &text](const QString& changed) {
        if (!m_bShowingTexts)
            text = changed;
    });
}

void TfMain::ShowTexts()
{
    m_bShowingTexts = true;
    const auto done = qScopeGuard([this] { m_bShowingTexts = false; });
    const FormTexts& t = m_unit.fMain;
    for (int i = 0; i < InputEditCount; ++i)
        ShowText(EditOf(static_cast<InputEdit>(i)), t.edits[i]);
    ShowText(s_zeit, t.s_zeit);
    ShowText(s_umin, t.s_umin);
    ShowText(s_kmh, t.s_kmh);
    z_trenner->setCurrentIndex(t.z_trenner);
    m_beschl->Refresh();
    m_ausr->Refresh();
    a->Refresh();
    maxps->setText(t.maxps);
    maxnm->setText(t.maxnm);
    maxg->setText(t.maxg);
    Chart1->update();
}

} // namespace dynalyt
