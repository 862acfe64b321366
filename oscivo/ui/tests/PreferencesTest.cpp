// The preferences dialog's wiring to its model under the offscreen platform, driven by keys and
// clicks, with real Prefs.cfg and Defaults.cfg files in a start-up directory of its own. What the
// model does with each value is tested on the model itself.

#include "oscivo/ui/Preferences.h"

#include "oscivo/core/PrefsFile.h"
#include "oscivo/core/tests/CoreFixture.h"
#include "oscivo/core/tests/PrefsSamples.h"
#include "platform/Colour.h"
#include "platform/testing/RecordingMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <memory>

using namespace prefssamples;

class PreferencesTest : public CoreTest {
protected:
    PreferencesTest() { g_nPrefLine = 0; }

    void Open()
    {
        dlg.reset();
        dlg = std::make_unique<Preferences>(nullptr, kScreen);
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    template <class Control = QWidget> Control* Item(UINT id) const
    {
        auto* control = qobject_cast<Control*>(dlg->GetDlgItem(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QString Text(UINT id) const
    {
        QWidget* control = Item(id);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(control))
            return combo->currentText();
        return qobject_cast<QLabel*>(control)->text();
    }
    // The three component edits of a colour row (0 background, 1 grid, 2 line).
    QString Components(int row) const
    {
        const UINT first = Preferences::IDC_BACK_RED + 3 * row;
        return Text(first) + ',' + Text(first + 1) + ',' + Text(first + 2);
    }
    QString Sliders(int row) const
    {
        QStringList values;
        for (const UINT id : Preferences::kSliderIds[row])
            values << QString::number(Item<QSlider>(id)->value());
        return values.join(',');
    }
    // The colour a preview swatch shows, in its middle.
    COLORREF Preview(UINT id) const
    {
        const QImage image = Item(id)->grab().toImage();
        return platform::FromQColor(image.pixelColor(image.width() / 2, image.height() / 2));
    }

    // Types into an edit and leaves it with the Tab key, as a user does.
    void Type(UINT id, const QString& text)
    {
        auto* edit = Item<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void TypeAndLeave(UINT id, const QString& text)
    {
        Type(id, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    void Click(UINT id) { Press(id, false); }
    // A click on a button; a person's click lets the events that the press caused be handled
    // before the release.
    void Press(UINT id, bool eventsBetween)
    {
        auto* button = Item<QPushButton>(id);
        QTest::mousePress(button, Qt::LeftButton);
        if (eventsBetween)
            QCoreApplication::processEvents();
        QTest::mouseRelease(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void Choose(UINT comboId, int index)
    {
        auto* combo = Item<QComboBox>(comboId);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    platform::RecordingMessageBox boxes;
    std::unique_ptr<Preferences> dlg;
};

TEST_F(PreferencesTest, OpeningShowsTheFilesSettingsAndPresets)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    EXPECT_EQ(dlg->windowTitle(), "Einstellungen");

    EXPECT_EQ(Components(0), "48,32,16");
    EXPECT_EQ(Components(1), "96,80,64");
    EXPECT_EQ(Components(2), "255,0,0");
    EXPECT_EQ(Sliders(1), "96,80,64");
    EXPECT_EQ(Preview(Preferences::IDC_BACK_PREVIEW), 0x102030u);
    EXPECT_EQ(Preview(Preferences::IDC_GRID_PREVIEW), 0x405060u);
    EXPECT_EQ(Preview(Preferences::IDC_LINE_PREVIEW), 0x0000FFu);

    auto* lines = Item<QComboBox>(Preferences::IDC_LINE_CHOICE);
    ASSERT_EQ(lines->count(), 12);
    EXPECT_EQ(lines->itemText(11), "Linie 12");
    EXPECT_EQ(lines->currentText(), "Linie 1");
    for (const UINT id :
         {Preferences::IDC_BACK_COLOUR, Preferences::IDC_GRID_COLOUR, Preferences::IDC_LINE_COLOUR}) {
        auto* colours = Item<QComboBox>(id);
        ASSERT_EQ(colours->count(), 14);
        EXPECT_EQ(colours->itemText(1), QString::fromUtf8("Hellgrün"));
        EXPECT_EQ(colours->itemText(13), "Weiss");
        EXPECT_EQ(colours->currentText(), "");
    }

    EXPECT_FALSE(Item<QCheckBox>(Preferences::IDC_AUTORUN)->isChecked());
    EXPECT_FALSE(Item<QCheckBox>(Preferences::IDC_SHOW_UNITS)->isChecked());
    EXPECT_TRUE(Item<QCheckBox>(Preferences::IDC_SHOW_ZEROS)->isChecked());
    EXPECT_FALSE(Item<QCheckBox>(Preferences::IDC_SAVE_WINDOW_SIZE)->isChecked());
    EXPECT_EQ(Text(Preferences::IDC_THICKNESS), "2");
    EXPECT_EQ(Text(Preferences::IDC_MAX_MILEAGE), "70");
    EXPECT_EQ(Text(Preferences::IDC_MAX_CONSUMPTION), "30");
    EXPECT_EQ(Text(Preferences::IDC_HISTORY_DEPTH), "5");

    // "+" and "-" show the next and the previous preset.
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/3");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "km/h");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "250");
    Click(Preferences::IDC_PRESET_NEXT);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 2/3");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "V");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "20");
    Click(Preferences::IDC_PRESET_PREV);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/3");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PreferencesTest, ColourPresetsAndSlidersSetTheRowsColour)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    Open();

    // "Schwarz" for the grid.
    Choose(Preferences::IDC_GRID_COLOUR, 12);
    EXPECT_EQ(g_crGridColor, 0u);
    EXPECT_EQ(Sliders(1), "0,0,0");
    EXPECT_EQ(Components(1), "0,0,0");
    EXPECT_EQ(Preview(Preferences::IDC_GRID_PREVIEW), 0u);
    EXPECT_EQ(Text(Preferences::IDC_GRID_COLOUR), "Schwarz");

    // A slider dragged takes effect when the mouse lets go of it; its row then names no colour.
    auto* green = Item<QSlider>(Preferences::kSliderIds[1][1]);
    green->setSliderDown(true);
    green->setValue(200);
    EXPECT_EQ(g_crGridColor, 0u);
    green->setSliderDown(false);
    EXPECT_EQ(g_crGridColor, RGB(0, 200, 0));
    EXPECT_EQ(Components(1), "0,200,0");
    EXPECT_EQ(Text(Preferences::IDC_GRID_COLOUR), "");

    // A key moves it at once.
    auto* blue = Item<QSlider>(Preferences::kSliderIds[0][2]);
    blue->setFocus();
    QTest::keyClick(blue, Qt::Key_Right);
    EXPECT_EQ(g_crBackColor, 0x112030u);
    EXPECT_EQ(Components(0), "48,32,17");

    // "Hellgelb" for line 5, chosen in the line combo.
    Choose(Preferences::IDC_LINE_CHOICE, 4);
    EXPECT_EQ(Components(2), "192,176,160");
    EXPECT_EQ(Sliders(2), "192,176,160");
    Choose(Preferences::IDC_LINE_COLOUR, 3);
    EXPECT_EQ(g_crLineColor[4], RGB(192, 192, 255));
    EXPECT_EQ(Sliders(2), "192,192,255");
    EXPECT_EQ(Preview(Preferences::IDC_LINE_PREVIEW), RGB(192, 192, 255));
}

TEST_F(PreferencesTest, TheLineEditedLastIsShownAtTheNextOpening)
{
    Open();
    Choose(Preferences::IDC_LINE_CHOICE, 6);
    dlg->reject();
    dlg.reset();

    Open();
    EXPECT_EQ(Text(Preferences::IDC_LINE_CHOICE), "Linie 7");
    EXPECT_EQ(Components(2), "0,160,0"); // "Dk.Grün", line 7's default
    EXPECT_EQ(Sliders(2), "0,160,0");
}

TEST_F(PreferencesTest, SwitchesTakeEffectWhenClicked)
{
    Open();
    const struct {
        UINT id;
        BOOL& setting;
    } cases[] = {
        {Preferences::IDC_AUTORUN, g_bAutorun},
        {Preferences::IDC_SHOW_UNITS, g_bShowUnits},
        {Preferences::IDC_SHOW_ZEROS, g_bShowZeros},
        {Preferences::IDC_SAVE_WINDOW_SIZE, g_bSaveWindowSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        auto* box = Item<QCheckBox>(c.id);
        const BOOL before = c.setting;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        EXPECT_EQ(c.setting, !before);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        EXPECT_EQ(c.setting, before);
    }
}

TEST_F(PreferencesTest, NumberEditsAreTakenWhenLeftAndRefusedTextsShowTheirMessage)
{
    const struct {
        UINT id;
        const char* typed;
        const char* message; // nullptr: taken without a message
        const char* textAfter;
        int& setting;
        int valueAfter;
    } cases[] = {
        {Preferences::IDC_THICKNESS, "7", nullptr, "7", g_nThickness, 7},
        {Preferences::IDC_THICKNESS, "15", "Bitte eine ganze Zahl zwischen 0 und 10 eingeben.", "0",
         g_nThickness, 2},
        {Preferences::IDC_MAX_MILEAGE, "1000", nullptr, "1000", g_nMaxMileage, 1000},
        {Preferences::IDC_MAX_CONSUMPTION, "1", nullptr, "1", g_nMaxConsumption, 1},
        {Preferences::IDC_HISTORY_DEPTH, "20", nullptr, "20", g_nFuelHistoryDepth, 20},
        {Preferences::IDC_HISTORY_DEPTH, "0", "Bitte eine ganze Zahl zwischen 1 und 20 eingeben.", "5",
         g_nFuelHistoryDepth, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in " + std::to_string(c.id));
        Restart();
        WriteFile("Scaling/Prefs.cfg", kPrefs);
        boxes.Clear();
        Open();
        TypeAndLeave(c.id, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.setting, c.valueAfter);
        EXPECT_EQ(Text(c.id), c.textAfter);
        if (!c.message) {
            EXPECT_TRUE(boxes.Boxes().empty());
            EXPECT_NE(QApplication::focusWidget(), Item(c.id));
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, c.message);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Falscher Wert");
        EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
        EXPECT_EQ(QApplication::focusWidget(), Item(c.id)); // the focus came back
    }

    // The 0 put in place of a refused thickness counts when the edit is left again.
    Restart();
    Open();
    TypeAndLeave(Preferences::IDC_THICKNESS, "15");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(g_nThickness, 0);
}

TEST_F(PreferencesTest, PresetEditsChangeTheShownPresetWhenLeftAndBeforeAButtonActs)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    Click(Preferences::IDC_PRESET_NEXT);
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, "a,b,cdefghijklmnopq");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "abcdefghijklmno");
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, QString::fromUtf8("°C"));
    EXPECT_EQ(g_presets[1].unit, "\xB0"
                                 "C");
    TypeAndLeave(Preferences::IDC_PRESET_MIN, "-20");
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "viel");
    EXPECT_EQ(g_presets[1].min, -20);
    EXPECT_EQ(g_presets[1].max, 20);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "viel");

    // A click on "+" or "-" leaves the focus in the edit; its text goes to the preset it belongs to.
    Type(Preferences::IDC_PRESET_UNIT, "bar");
    Click(Preferences::IDC_PRESET_NEXT);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 3/3");
    Type(Preferences::IDC_PRESET_MAX, "7000");
    Click(Preferences::IDC_PRESET_PREV);
    EXPECT_EQ(g_presets[1].unit, "bar");
    EXPECT_EQ(g_presets[2].max, 7000);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "bar");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PreferencesTest, NeuShowsTheNewPresetOrTheOneThatCannotBeKept)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 4);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 4/4");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MIN), "0");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "0");

    // From the preset before it, Neu shows the incomplete new one with its message, and the focus
    // goes into its unit.
    Click(Preferences::IDC_PRESET_PREV);
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 4);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 4/4");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Bitte Eingabe vervollständigen!"));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(QApplication::focusWidget(), Item(Preferences::IDC_PRESET_UNIT));
}

TEST_F(PreferencesTest, SpeichernWritesBothFilesAndAbbrechenNone)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    Choose(Preferences::IDC_BACK_COLOUR, 0);
    TypeAndLeave(Preferences::IDC_THICKNESS, "4");
    Click(Preferences::IDC_PRESET_NEW); // empty, so not written
    Click(IDCANCEL);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), kDefaults);

    Open();
    Choose(Preferences::IDC_BACK_COLOUR, 0);
    TypeAndLeave(Preferences::IDC_THICKNESS, "4");
    Click(IDOK);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    const std::string prefs = ReadFile("Scaling/Prefs.cfg");
    EXPECT_EQ(prefs, FormatPrefsFile());
    for (const char* line : {"BackColor=ff\r\n", "Thickness=4\r\n"})
        EXPECT_NE(prefs.find(line), std::string::npos) << line;
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), kDefaults);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PreferencesTest, SpeichernShowsThePresetThatCannotBeKeptAndStaysOpen)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", "bar,5,5,\r\nkm/h,0,250,\r\n");
    Open();
    Click(Preferences::IDC_PRESET_NEXT);
    TypeAndLeave(Preferences::IDC_THICKNESS, "4");
    Click(IDOK);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Max.Wert muss größer als Min.Wert sein."));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Doh! ;-)");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/2");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "bar");
    EXPECT_EQ(QApplication::focusWidget(), Item(Preferences::IDC_PRESET_UNIT));
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);

    // Mended, the preset shown is saved.
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "50");
    boxes.Clear();
    Click(IDOK);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), "bar,5,50,\r\nkm/h,0,250,\r\n");
}

TEST_F(PreferencesTest, SpeichernTakesTheFocusedEditFirstAndStaysOpenWhenItIsRefused)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    WriteFile("Scaling/Defaults.cfg", kDefaults);

    // Return in an edit: the typed value is written.
    Open();
    Type(Preferences::IDC_MAX_MILEAGE, "500");
    Type(Preferences::IDC_PRESET_UNIT, "mph");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_NE(ReadFile("Scaling/Prefs.cfg").find("MaxMileage=500\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg").substr(0, 10), "mph,0,250,");

    // A refused value: the message, the dialog stays open and nothing is written; Abbrechen
    // closes it without a message. Return, a click as QTest makes it (press and release at once)
    // and one as a person makes it (the events between press and release handled).
    enum How { Key, Click, PersonsClick };
    const struct {
        const char* what;
        How how;
    } cases[] = {{"Return", Key}, {"click", Click}, {"a person's click", PersonsClick}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile("Scaling/Prefs.cfg", kPrefs);
        boxes.Clear();
        Open();
        Type(Preferences::IDC_HISTORY_DEPTH, "21");
        if (c.how == Key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            Press(IDOK, c.how == PersonsClick);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Bitte eine ganze Zahl zwischen 1 und 20 eingeben.");
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), Item(Preferences::IDC_HISTORY_DEPTH));
        EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);

        boxes.Clear();
        Type(Preferences::IDC_THICKNESS, "99");
        if (c.how == Key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            Press(IDCANCEL, c.how == PersonsClick);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);
    }
}
