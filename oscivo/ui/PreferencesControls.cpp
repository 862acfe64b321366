// The controls of the preferences dialog, their ids and texts, in Qt layouts, and their wiring
// to the handlers.

#include "oscivo/ui/LeaveCheckedEdit.h"
#include "oscivo/ui/Preferences.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/PointFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

template <class Control> Control* Named(Control* control, UINT id)
{
    control->setObjectName(QString::number(id));
    return control;
}

QLabel* Text(const char* text, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

// A click leaves the focus where it is: the handlers take the focused edit's text first, and
// Abbrechen does not take it at all.
QPushButton* AddButton(UINT id, const char* text, QWidget* parent)
{
    auto* button = Named(new QPushButton(QString::fromUtf8(text), parent), id);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// Shows the icon in place of the text, when there is one.
void SetImage(QPushButton* button, const QIcon& icon)
{
    if (icon.isNull())
        return;
    button->setAccessibleName(button->text());
    button->setText(QString());
    button->setIcon(icon);
}

} // namespace

void Preferences::BuildControls(const QIcon& prevIcon, const QIcon& nextIcon)
{
    setObjectName(QString::number(IDD));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setFont(platform::DialogFont());

    auto* sections = new QHBoxLayout;
    sections->addWidget(BuildPresets(prevIcon, nextIcon));
    sections->addWidget(BuildMiscellaneous());
    sections->addWidget(BuildFuelEconomy(), 0, Qt::AlignTop);

    QPushButton* ok = AddButton(IDOK, "&Speichern", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Preferences::OnOK);
    QPushButton* cancel = AddButton(IDCANCEL, "A&bbrechen", this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* dialog = new QVBoxLayout(this);
    dialog->addWidget(BuildColours());
    dialog->addLayout(sections);
    dialog->addLayout(buttons);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* Preferences::BuildColours()
{
    auto* group = new QGroupBox(QStringLiteral("Farben"), this);
    auto* grid = new QGridLayout(group);
    const char* headers[] = {"Rot", "Grün", "Blau"};
    for (int c = 0; c < 3; ++c)
        grid->addWidget(Text(headers[c], group), 0, 1 + 2 * c, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Text("Voreinstellungen", group), 0, 8);

    m_lineCombo = Named(new QComboBox(group), IDC_LINE_CHOICE);
    connect(m_lineCombo, &QComboBox::activated, this, &Preferences::OnLineSelected);
    grid->addWidget(Text("Hintergrund", group), 1, 0);
    grid->addWidget(Text("Raster", group), 2, 0);
    grid->addWidget(m_lineCombo, 3, 0);

    const UINT firstEdit[kRows] = {IDC_BACK_RED, IDC_GRID_RED, IDC_LINE_RED};
    const UINT previewIds[kRows] = {IDC_BACK_PREVIEW, IDC_GRID_PREVIEW, IDC_LINE_PREVIEW};
    const UINT comboIds[kRows] = {IDC_BACK_COLOUR, IDC_GRID_COLOUR, IDC_LINE_COLOUR};
    for (int row = 0; row < kRows; ++row) {
        for (int c = 0; c < 3; ++c) {
            QLineEdit* edit = AddComponentEdit(firstEdit[row] + c);
            grid->addWidget(edit, 1 + row, 1 + 2 * c);
            m_componentEdit[row][c] = edit;

            QSlider* slider = Named(new QSlider(Qt::Horizontal, group), kSliderIds[row][c]);
            slider->setRange(0, 255);
            slider->setMinimumWidth(platform::DluToPixelsX(50));
            // Applied when the mouse lets go of the slider, and at once for the keyboard, the
            // wheel and a click beside the handle.
            connect(slider, &QSlider::sliderReleased, this, [this, row, c] { OnSliderReleased(row, c); });
            connect(slider, &QSlider::valueChanged, this, [this, slider, row, c] {
                if (!slider->isSliderDown())
                    OnSliderReleased(row, c);
            });
            grid->addWidget(slider, 1 + row, 2 + 2 * c);
            m_slider[row][c] = slider;
        }

        auto* preview = Named(new QFrame(group), previewIds[row]);
        preview->setFixedSize(platform::DialogRect(0, 0, 18, 12).size());
        auto* holder = new QHBoxLayout(preview);
        holder->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(preview, 1 + row, 7);
        m_previewStatic[row] = preview;

        QComboBox* combo = Named(new QComboBox(group), comboIds[row]);
        connect(combo, &QComboBox::activated, this, [this, row](int index) { OnPresetSelected(row, index); });
        grid->addWidget(combo, 1 + row, 8);
        m_colourCombo[row] = combo;
    }
    return group;
}

QWidget* Preferences::BuildPresets(const QIcon& prevIcon, const QIcon& nextIcon)
{
    auto* group = new QGroupBox(QStringLiteral("Skalierungsvoreinstellung"), this);
    auto* grid = new QGridLayout(group);
    m_editUnit = AddCheckedEdit(grid, 0, "Einheit", IDC_PRESET_UNIT, 2);
    m_editMin = AddCheckedEdit(grid, 1, "Min", IDC_PRESET_MIN, 2);
    m_editMax = AddCheckedEdit(grid, 2, "Max", IDC_PRESET_MAX, 2);
    m_presetLabel = Named(new QLabel(group), IDC_PRESET_LABEL);
    grid->addWidget(m_presetLabel, 3, 0, 1, 3);

    QPushButton* prev = AddButton(IDC_PRESET_PREV, "-", group);
    SetImage(prev, prevIcon);
    connect(prev, &QPushButton::clicked, this, &Preferences::OnPrevPreset);
    QPushButton* added = AddButton(IDC_PRESET_NEW, "Neu", group);
    connect(added, &QPushButton::clicked, this, &Preferences::OnNewPreset);
    QPushButton* next = AddButton(IDC_PRESET_NEXT, "+", group);
    SetImage(next, nextIcon);
    connect(next, &QPushButton::clicked, this, &Preferences::OnNextPreset);
    grid->addWidget(prev, 4, 0);
    grid->addWidget(added, 4, 1);
    grid->addWidget(next, 4, 2);
    return group;
}

QWidget* Preferences::BuildMiscellaneous()
{
    auto* group = new QGroupBox(QStringLiteral("Verschiedenes"), this);
    auto* grid = new QGridLayout(group);
    const struct {
        UINT id;
        const char* text;
        QCheckBox*& box;
        BOOL& setting;
    } switches[] = {
        {IDC_AUTORUN, "Autorun (nur bei Logfile-Importen)", m_checkAutorun, g_bAutorun},
        {IDC_SHOW_UNITS, "Min/max Werte mit Einheiten", m_checkShowUnits, g_bShowUnits},
        {IDC_SHOW_ZEROS, "Min.Werte auch 0 anz.", m_checkShowZeros, g_bShowZeros},
        {IDC_SAVE_WINDOW_SIZE, "Fenstergröße merken", m_checkSaveWindowSize, g_bSaveWindowSize},
    };
    int row = 0;
    for (const auto& s : switches) {
        QCheckBox* box = Named(new QCheckBox(QString::fromUtf8(s.text), group), s.id);
        BOOL* setting = &s.setting;
        connect(box, &QCheckBox::clicked, this, [this, box, setting] { OnSwitchClicked(box, *setting); });
        grid->addWidget(box, row++, 0, 1, 2);
        s.box = box;
    }
    m_numberEdit[PreferencesModel::Thickness] = AddCheckedEdit(grid, row, "Liniendicke:", IDC_THICKNESS);
    return group;
}

QWidget* Preferences::BuildFuelEconomy()
{
    auto* group = new QGroupBox(QStringLiteral("Reichweite und Verbrauch"), this);
    auto* grid = new QGridLayout(group);
    m_numberEdit[PreferencesModel::MaxMileage] = AddCheckedEdit(grid, 0, "Max mpg", IDC_MAX_MILEAGE);
    m_numberEdit[PreferencesModel::MaxConsumption] =
        AddCheckedEdit(grid, 1, "Max l/100km", IDC_MAX_CONSUMPTION);
    m_numberEdit[PreferencesModel::HistoryDepth] = AddCheckedEdit(grid, 2, "Durchschnitt", IDC_HISTORY_DEPTH);
    return group;
}

QLineEdit* Preferences::AddComponentEdit(UINT id)
{
    auto* edit = Named(new QLineEdit(this), id);
    edit->setReadOnly(true);
    edit->setFixedWidth(platform::DluToPixelsX(20));
    return edit;
}

QLineEdit* Preferences::AddCheckedEdit(QGridLayout* grid, int row, const char* label, UINT id, int columns)
{
    auto* edit = Named(new LeaveCheckedEdit(this), id);
    edit->setFixedWidth(platform::DluToPixelsX(40));
    edit->onLeave = [this, edit] { LeaveLater(edit); };
    grid->addWidget(Text(label, this), row, 0);
    grid->addWidget(edit, row, 1, 1, columns);
    return edit;
}
