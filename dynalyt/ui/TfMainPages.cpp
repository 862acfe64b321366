// The designed layout of the main form: its five pages and its menu.
#include "dynalyt/ui/FormFonts.h"
#include "dynalyt/ui/LinkLabel.h"
#include "dynalyt/ui/Maker.h"
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/TStringGrid.h"
#include "dynalyt/ui/TfMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace dynalyt {
namespace {

QLabel* NewLabel(const QString& text, QWidget* parent, const QRect& geometry, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (bold)
        label->setFont(BoldFormFont());
    return label;
}

QPushButton* NewButton(const char* name, const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

QLineEdit* NewEdit(const char* name, QWidget* parent, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

struct InputRow {
    QLineEdit* TfMain::*edit;
    const char* name;
    const char* label;
    const char* unit;
    const char* hint;
    bool bold;
};

} // namespace

void TfMain::CreatePageInputs()
{
    const InputRow rows[] = {
        {&TfMain::e_datum, "e_datum", "Datum", "", "Datum der Messung.", false},
        {&TfMain::e_leergew, "e_leergew", "Leergewicht", "kg", "", false},
        {&TfMain::e_insassengew, "e_insassengew", "Insassengewicht", "kg", "", false},
        {&TfMain::e_kraftstoffgew, "e_kraftstoffgew", "Kraftstoffgewicht", "kg", "", false},
        {&TfMain::e_sonstgew, "e_sonstgew", "sonstiges Gewicht", "kg", "", false},
        {&TfMain::e_gew, "e_gew", "Fahrzeuggewicht", "kg",
         "Muß mit dem tatsächlichen Gewicht bei der Messung übereinstimmen, da aus dem Gewicht und der "
         "Beschleunigung alle anderen Daten errechnet werden!",
         true},
        {&TfMain::e_luftdr, "e_luftdr", "Luftdruck", "mbar",
         "Falls bekannt, kann der aktuelle Luftdruck eingegeben werden. Die berechnete Leistung wird "
         "entsprechend korrigiert (Bezugswert: 1013mBar).",
         true},
        {&TfMain::e_temp, "e_temp", "Temperatur", "°C",
         "Falls bekannt, kann die aktuelle Temperatur eingegeben werden. Die berechnete Leistung wird "
         "entsprechend korrigiert (Bezugswert: 20°C).",
         true},
        {&TfMain::e_fahrzeug, "e_fahrzeug", "Fahrzeug", "", "Fahrzeughersteller und Modellname", false},
        {&TfMain::e_serienleistung, "e_serienleistung", "Serienleistung", "PS",
         "Serienleistung des Fahrzeugs.", false},
        {&TfMain::e_motorkenn, "e_motorkenn", "Motorkennbuchstabe", "",
         "Motorkennbuchstabe (siehe Serviceheft)", false},
        {&TfMain::e_modelljahr, "e_modelljahr", "Modelljahr", "", "Modelljahr des Fahrzeugs.", false},
        {&TfMain::e_abruv, "e_abruv", "Abrollumfangskorrektur", "",
         "Sind größere oder kleinere als die Serienreifen montiert, kann hier das Abrollumfangsverhältnis "
         "zur "
         "Serienbereifung eingegeben werden.",
         false},
        {&TfMain::e_modif, "e_modif", "Modifikationen", "",
         "Insgesamt am Fahrzeug durchgeführte Modifikationen.", false},
    };
    int y = 14;
    for (const InputRow& row : rows) {
        NewLabel(QString::fromUtf8(row.label), ts1, QRect(16, y + 3, 150, 16), row.bold);
        QLineEdit* edit = NewEdit(row.name, ts1, QRect(172, y, 300, 21));
        edit->setToolTip(QString::fromUtf8(row.hint));
        if (*row.unit)
            NewLabel(QString::fromUtf8(row.unit), ts1, QRect(480, y + 3, 60, 16), row.bold);
        this->*row.edit = edit;
        y += 28;
    }
    // The tab order follows the page from top to bottom, but the tyre ratio comes last (the
    // order of InputEdit).
    for (int i = 0; i + 1 < InputEditCount; ++i)
        QWidget::setTabOrder(EditOf(static_cast<InputEdit>(i)), EditOf(static_cast<InputEdit>(i + 1)));

    for (int i = 0; i < InputEditCount; ++i) {
        const auto which = static_cast<InputEdit>(i);
        BindEdit(EditOf(which), m_unit.fMain.Edit(which));
    }
    for (QLineEdit* partial : {e_leergew, e_insassengew, e_kraftstoffgew, e_sonstgew})
        connect(partial, &QLineEdit::textChanged, this, [this] {
            if (!m_bShowingTexts)
                e_leergewChange();
        });
}

void TfMain::CreatePageRuns()
{
    gb1 = new QGroupBox(QStringLiteral("Beschleunigen"), ts2);
    gb1->setObjectName(QStringLiteral("gb1"));
    gb1->setGeometry(8, 8, 232, 445);
    m_beschl = new TStringGrid(m_unit.fMain.m_beschl, true, 64, gb1);
    m_beschl->setObjectName(QStringLiteral("m_beschl"));
    m_beschl->setGeometry(10, 40, 3 * 64 + 2 + 18, 356);
    const char* accelHeadings[] = {"Zeit", "U/min", "km/h"};
    for (int c = 0; c < 3; ++c)
        NewLabel(QString::fromUtf8(accelHeadings[c]), gb1, QRect(13 + c * 64, 22, 60, 16), true);
    b_beschl_l = NewButton("b_beschl_l", QStringLiteral("Alles &Löschen"), gb1, QRect(10, 406, 102, 25));
    b_beschl = NewButton("b_beschl", QStringLiteral("&Einfügen"), gb1, QRect(120, 406, 102, 25));

    gb2 = new QGroupBox(QStringLiteral("Ausrollen"), ts2);
    gb2->setObjectName(QStringLiteral("gb2"));
    gb2->setGeometry(248, 8, 212, 445);
    m_ausr = new TStringGrid(m_unit.fMain.m_ausr, true, 64, gb2);
    m_ausr->setObjectName(QStringLiteral("m_ausr"));
    m_ausr->setGeometry(10, 40, 2 * 64 + 2 + 18, 356);
    const char* coastHeadings[] = {"Zeit", "km/h"};
    for (int c = 0; c < 2; ++c)
        NewLabel(QString::fromUtf8(coastHeadings[c]), gb2, QRect(13 + c * 64, 22, 60, 16), true);
    b_ausr_l = NewButton("b_ausr_l", QStringLiteral("Alles Lösc&hen"), gb2, QRect(10, 406, 92, 25));
    b_ausr = NewButton("b_ausr", QStringLiteral("Ei&nfügen"), gb2, QRect(110, 406, 92, 25));

    b_logimport =
        NewButton("b_logimport", QStringLiteral("Log-Datei &importieren"), ts2, QRect(472, 16, 200, 25));
    Label6 = NewLabel(
        QStringLiteral("Geschwindigkeit und Motordrehzahl lassen sich beim Motorsteuergerät meist in "
                       "den Messwertblöcken 5 und 6 aufzeichnen.\n\nLog-Dateien von Diagnoma können "
                       "direkt importiert werden. Die Aufzeichnung muss die Motordrehzahl und die "
                       "Geschwindigkeit enthalten.\n\nWeitere Hilfe mit F1."),
        ts2, QRect(472, 56, 200, 200));
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(b_beschl_l, &QPushButton::clicked, this, &TfMain::b_beschl_lClick);
    connect(b_beschl, &QPushButton::clicked, this, &TfMain::b_beschlClick);
    connect(b_ausr_l, &QPushButton::clicked, this, &TfMain::b_ausr_lClick);
    connect(b_ausr, &QPushButton::clicked, this, &TfMain::b_ausrClick);
    connect(b_logimport, &QPushButton::clicked, this, &TfMain::b_logimportClick);
}

void TfMain::CreatePageResults()
{
    struct Heading {
        const char* top;
        const char* bottom;
        bool bold;
    };
    const Heading headings[] = {
        {"Geschw.", "km/h", false}, {"Zeit", "Beschl.", false},  {"Zeit", "Ausroll.", false},
        {"Drehz.", "U/min", false}, {"Geschw.", "m/s", false},   {"Energie", "Joule", false},
        {"P Beschl.", "kW", false}, {"P Schlepp.", "kW", false}, {"P korr.", "kW", true},
        {"Dreh.korr.", "Nm", true}, {"G-Faktor", "G", true},
    };
    constexpr int colWidth = 54;
    for (int c = 0; c < 11; ++c) {
        // A little wider than the column, centred over it, as long headings need.
        const QRect top(9 + c * colWidth - 6, 8, colWidth + 12, 15);
        QLabel* upper = NewLabel(QString::fromUtf8(headings[c].top), ts3, top, headings[c].bold);
        QLabel* lower =
            NewLabel(QString::fromUtf8(headings[c].bottom), ts3, top.translated(0, 15), headings[c].bold);
        // Slightly narrower letters, so that neighbouring headings stay apart.
        for (QLabel* label : {upper, lower}) {
            QFont f = label->font();
            f.setLetterSpacing(QFont::PercentageSpacing, 92);
            label->setFont(f);
        }
        upper->setAlignment(Qt::AlignHCenter);
        lower->setAlignment(Qt::AlignHCenter);
    }
    a = new TStringGrid(m_unit.fMain.a, false, colWidth, ts3);
    a->setObjectName(QStringLiteral("a"));
    a->setGeometry(8, 42, 12 * colWidth + 2 + 18, 412);
}

void TfMain::CreatePageDiagram()
{
    Chart1 = new TChart(m_unit.Chart1, ts4);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(8, 8, 665, 425);
    Label18 = NewLabel(QString(), ts4, QRect(8, 440, 100, 16), true);
    Label18->setObjectName(QStringLiteral("Label18"));
    maxps = NewLabel(QString(), ts4, QRect(112, 440, 220, 16), true);
    maxps->setObjectName(QStringLiteral("maxps"));
    maxnm = NewLabel(QString(), ts4, QRect(336, 440, 150, 16), true);
    maxnm->setObjectName(QStringLiteral("maxnm"));
    maxg = NewLabel(QString(), ts4, QRect(490, 440, 150, 16), true);
    maxg->setObjectName(QStringLiteral("maxg"));

    // The two links lie over the chart on screen; the bitmap and the page do not show them.
    const QString hint = QString::fromUtf8(MakerHint);
    URL = new LinkLabel(QString::fromUtf8(MakerAddress), hint, ts4);
    URL->setObjectName(QStringLiteral("URL"));
    URL->adjustSize();
    URL->move(14, 8 + 425 - URL->height() - 4);
    Label59 = new LinkLabel(QString(), hint, ts4);
    Label59->setObjectName(QStringLiteral("Label59"));
    Label59->setGeometry(12, 12, 5, 13);
    connect(URL, &LinkLabel::Clicked, this, &TfMain::URLClick);
    connect(Label59, &LinkLabel::Clicked, this, &TfMain::URLClick);
}

void TfMain::CreatePageSettings()
{
    gb5 = new QGroupBox(ts5);
    gb5->setObjectName(QStringLiteral("gb5"));
    gb5->setGeometry(8, 8, 420, 200);
    Label19 = NewLabel(QString(), gb5, QRect(16, 30, 190, 16));
    Label20 = NewLabel(QString(), gb5, QRect(16, 62, 190, 16));
    Label57 = NewLabel(QString(), gb5, QRect(16, 94, 190, 16));
    Label58 = NewLabel(QString(), gb5, QRect(16, 126, 190, 16));
    z_trenner = new QComboBox(gb5);
    z_trenner->setObjectName(QStringLiteral("z_trenner"));
    z_trenner->setGeometry(216, 26, 180, 22);
    z_trenner->addItems({QStringLiteral("Komma"), QStringLiteral("Semikolon"), QStringLiteral("Doppelpunkt"),
                         QStringLiteral("Tabulator")});
    z_trenner->setCurrentIndex(NoSeparatorItem);
    s_zeit = NewEdit("s_zeit", gb5, QRect(216, 58, 180, 21));
    s_umin = NewEdit("s_umin", gb5, QRect(216, 90, 180, 21));
    s_kmh = NewEdit("s_kmh", gb5, QRect(216, 122, 180, 21));
    zsetzen = NewButton("zsetzen", QString(), gb5, QRect(216, 158, 90, 25));

    // Only the user's choice of a separator counts; the program's own settings of the combo
    // bring their separator with them.
    connect(z_trenner, &QComboBox::activated, this, [this](int index) {
        m_unit.fMain.z_trenner = index;
        z_trennerChange();
    });
    BindEdit(s_zeit, m_unit.fMain.s_zeit);
    BindEdit(s_umin, m_unit.fMain.s_umin);
    BindEdit(s_kmh, m_unit.fMain.s_kmh);
    connect(zsetzen, &QPushButton::clicked, this, &TfMain::zsetzenClick);
}

void TfMain::CreateMenu()
{
    mm1 = menuBar();
    mm1->setObjectName(QStringLiteral("mm1"));
    Datei1 = mm1->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    auto item = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key,
                       void (TfMain::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    laden = item(Datei1, "laden", QStringLiteral("Eingaben und Messung &laden"),
                 QKeySequence(Qt::CTRL | Qt::Key_O), &TfMain::ladenClick);
    speichern = item(Datei1, "speichern", QStringLiteral("Eingaben und Messung &speichern"),
                     QKeySequence(Qt::CTRL | Qt::Key_S), &TfMain::speichernClick);
    Datei1->addSeparator()->setObjectName(QStringLiteral("N1"));
    drucken = item(Datei1, "drucken", QStringLiteral("Diagramm &drucken"), QKeySequence(Qt::CTRL | Qt::Key_P),
                   &TfMain::druckenClick);
    grafik_speichern = item(Datei1, "grafik_speichern", QStringLiteral("Diagramm als &Grafik speichern"),
                            QKeySequence(), &TfMain::grafik_speichernClick);
    Datei1->addSeparator()->setObjectName(QStringLiteral("N2"));
    beenden =
        item(Datei1, "beenden", QStringLiteral("Programm &beenden"), QKeySequence(), &TfMain::beendenClick);

    Info1 = mm1->addMenu(QStringLiteral("&Info"));
    Info1->setObjectName(QStringLiteral("Info1"));
    Help = item(Info1, "Help", QStringLiteral("Hilfe"), QKeySequence(Qt::Key_F1), &TfMain::HelpClick);
    Info1->addSeparator()->setObjectName(QStringLiteral("N4"));
    About = item(Info1, "About", QStringLiteral("Über..."), QKeySequence(), &TfMain::AboutClick);
}

} // namespace dynalyt
