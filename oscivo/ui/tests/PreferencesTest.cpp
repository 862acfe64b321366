// The preferences dialog under the offscreen platform, driven by keys and clicks, with real
// Prefs.cfg and Defaults.cfg files in a start-up directory of its own.

#include "oscivo/ui/Preferences.h"

#include "oscivo/core/PrefsFile.h"
#include "oscivo/core/ScalingFile.h"
#include "oscivo/core/tests/CoreFixture.h"
#include "platform/Colour.h"
#include "platform/Numbers.h"
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

namespace {

constexpr ScreenSize kScreen{1920, 1080};

// Three presets; Prefs.cfg with a colour of each row, every switch set against its default and
// numbers of their own.
const std::string kDefaults = "km/h,0,250,\r\nV,0,20,\r\n/min,0,6000,\r\n";
const std::string kPrefs = "BackColor=102030\r\nGridColor=405060\r\nLine0Color=ff\r\nLine4Color=a0b0c0\r\n"
                           "Thickness=2\r\nAutorun=0\r\nShowUnits=0\r\nShowZeros=1\r\nSaveWindowSize=0\r\n"
                           "MaxMileage=70\r\nMaxConsumption=30\r\nFuelHistoryDepth=5\r\n";

} // namespace

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

    // The presets: "+" stops at the third, "-" at the first.
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/3");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "km/h");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "250");
    for (int i = 0; i < 3; ++i)
        Click(Preferences::IDC_PRESET_NEXT);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 3/3");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "/min");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "6000");
    for (int i = 0; i < 3; ++i)
        Click(Preferences::IDC_PRESET_PREV);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/3");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PreferencesTest, WithoutFilesTheDefaultsShowAndTheBuiltInPresetsAreWritten)
{
    Open();
    EXPECT_EQ(Components(0), "0,0,0");
    EXPECT_EQ(Components(1), "255,255,255");
    EXPECT_EQ(Text(Preferences::IDC_MAX_MILEAGE), "60");
    EXPECT_TRUE(Item<QCheckBox>(Preferences::IDC_AUTORUN)->isChecked());
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/10");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "/min");
    EXPECT_NE(ReadFile("Scaling/Defaults.cfg")
                  .find("V,0,20,\r\n\xB0"
                        "C,-10,120,\r\nmg/R,0,1500,\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), "<missing>");
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

    // "Hellgelb" for line 5, chosen in the line combo; line 1 keeps its colour.
    Choose(Preferences::IDC_LINE_CHOICE, 4);
    EXPECT_EQ(Components(2), "192,176,160");
    EXPECT_EQ(Sliders(2), "192,176,160");
    Choose(Preferences::IDC_LINE_COLOUR, 3);
    EXPECT_EQ(g_crLineColor[4], RGB(192, 192, 255));
    EXPECT_EQ(g_crLineColor[0], 0xFFu);
    EXPECT_EQ(Preview(Preferences::IDC_LINE_PREVIEW), RGB(192, 192, 255));

    // An index outside the colour table or the line list changes nothing.
    for (const int index : {-1, 14, 99}) {
        SCOPED_TRACE(index);
        emit Item<QComboBox>(Preferences::IDC_BACK_COLOUR)->activated(index);
        emit Item<QComboBox>(Preferences::IDC_LINE_CHOICE)->activated(index);
        EXPECT_EQ(g_crBackColor, 0x112030u);
        EXPECT_EQ(g_nPrefLine, 4);
    }
}

TEST_F(PreferencesTest, TheLineEditedLastIsShownAndEditedAtTheNextOpening)
{
    Open();
    Choose(Preferences::IDC_LINE_CHOICE, 6);
    dlg->reject();
    dlg.reset();

    Open();
    EXPECT_EQ(Text(Preferences::IDC_LINE_CHOICE), "Linie 7");
    EXPECT_EQ(Components(2), "0,160,0"); // "Dk.Grün", line 7's default
    Choose(Preferences::IDC_LINE_COLOUR, 13);
    EXPECT_EQ(g_crLineColor[6], 0xFFFFFFu);
    EXPECT_EQ(g_crLineColor[0], 0x0000FFu);
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

TEST_F(PreferencesTest, NumberEditsTakeValuesInRangeAndRefuseOthersWhenLeft)
{
    WriteFile("Scaling/Prefs.cfg", kPrefs);
    const char* thickness = "Bitte eine ganze Zahl zwischen 0 und 10 eingeben.";
    const char* meter = "Bitte eine ganze Zahl zwischen 1 und 1000 eingeben.";
    const char* depth = "Bitte eine ganze Zahl zwischen 1 und 20 eingeben.";
    const struct {
        UINT id;
        const char* typed;
        const char* message; // nullptr: taken without a message
        const char* textAfter;
        int& setting;
        int valueAfter;
    } cases[] = {
        {Preferences::IDC_THICKNESS, "7", nullptr, "7", g_nThickness, 7},
        {Preferences::IDC_THICKNESS, "15", thickness, "0", g_nThickness, 2},
        {Preferences::IDC_THICKNESS, "-1", thickness, "0", g_nThickness, 2},
        {Preferences::IDC_THICKNESS, "dick", nullptr, "dick", g_nThickness, 2},
        {Preferences::IDC_MAX_MILEAGE, "1000", nullptr, "1000", g_nMaxMileage, 1000},
        {Preferences::IDC_MAX_MILEAGE, "0", meter, "70", g_nMaxMileage, 70},
        {Preferences::IDC_MAX_MILEAGE, "viel", meter, "70", g_nMaxMileage, 70},
        {Preferences::IDC_MAX_CONSUMPTION, "1", nullptr, "1", g_nMaxConsumption, 1},
        {Preferences::IDC_MAX_CONSUMPTION, "1001", meter, "30", g_nMaxConsumption, 30},
        {Preferences::IDC_HISTORY_DEPTH, "20", nullptr, "20", g_nFuelHistoryDepth, 20},
        {Preferences::IDC_HISTORY_DEPTH, "0", depth, "5", g_nFuelHistoryDepth, 5},
        {Preferences::IDC_HISTORY_DEPTH, "", depth, "5", g_nFuelHistoryDepth, 5},
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

TEST_F(PreferencesTest, PresetEditsChangeTheShownPresetAsDefaultsCfgCanKeepIt)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    Click(Preferences::IDC_PRESET_NEXT);
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, "a,b,cdefghijklmnopq");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "abcdefghijklmno");
    EXPECT_EQ(g_presets[1].unit, "abcdefghijklmno");
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, QString::fromUtf8("°C"));
    EXPECT_EQ(g_presets[1].unit, "\xB0"
                                 "C");
    TypeAndLeave(Preferences::IDC_PRESET_MIN, "-20");
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "viel");
    EXPECT_EQ(g_presets[1].min, -20);
    EXPECT_EQ(g_presets[1].max, 20);
    EXPECT_EQ(g_presets[0].unit, "km/h");

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

TEST_F(PreferencesTest, NeuAddsAnEmptyPresetOnlyAfterACompleteOne)
{
    WriteFile("Scaling/Defaults.cfg", kDefaults);
    Open();
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 4);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 4/4");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_UNIT), "");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MIN), "0");
    EXPECT_EQ(Text(Preferences::IDC_PRESET_MAX), "0");

    // Neu again at once: the new preset is incomplete.
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 4);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Bitte Eingabe vervollständigen!"));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(QApplication::focusWidget(), Item(Preferences::IDC_PRESET_UNIT));

    // From the preset before it, Neu shows the incomplete one, and the edits then change that one.
    Click(Preferences::IDC_PRESET_PREV);
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 4/4");
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, "bar");
    TypeAndLeave(Preferences::IDC_PRESET_MIN, "5");
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "5");
    EXPECT_EQ(g_presets[2].unit, "/min");
    EXPECT_EQ(g_presets[3].unit, "bar");

    boxes.Clear();
    Click(Preferences::IDC_PRESET_NEW);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Max.Wert muss größer als Min.Wert sein."));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Doh! ;-)");
    EXPECT_EQ(g_nPresetCount, 4);

    TypeAndLeave(Preferences::IDC_PRESET_MAX, "9");
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 5);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 5/5");
}

TEST_F(PreferencesTest, NeuStartsTheFirstPresetAndStopsAtTheLast)
{
    WriteFile("Scaling/Defaults.cfg", "");
    Open();
    EXPECT_EQ(g_nPresetCount, 0);
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, 1);
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/1");
    EXPECT_TRUE(boxes.Boxes().empty());
    dlg.reset();

    std::string full;
    for (int i = 0; i < kMaxPresets; ++i)
        full += platform::FormatC("u%d,0,%d,\r\n", i, i + 1);
    WriteFile("Scaling/Defaults.cfg", full);
    Open();
    Click(Preferences::IDC_PRESET_NEW);
    EXPECT_EQ(g_nPresetCount, kMaxPresets);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Mehr als 256 Voreinstellungen sind nicht möglich."));
    EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), "Feld#: 1/256");
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
    Click(Preferences::IDC_PRESET_NEW);
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, QString::fromUtf8("°"));
    TypeAndLeave(Preferences::IDC_PRESET_MIN, "-50"); // a maximum of 0 is one
    Click(IDOK);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    const std::string prefs = ReadFile("Scaling/Prefs.cfg");
    EXPECT_EQ(prefs, FormatPrefsFile());
    for (const char* line :
         {"BackColor=ff\r\n", "GridColor=405060\r\n", "Line4Color=a0b0c0\r\n", "Thickness=4\r\n",
          "Autorun=0\r\n", "ShowZeros=1\r\n", "MaxMileage=70\r\n", "FuelHistoryDepth=5\r\n"})
        EXPECT_NE(prefs.find(line), std::string::npos) << line;
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), kDefaults + "\xB0,-50,0,\r\n");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PreferencesTest, SpeichernShowsThePresetThatCannotBeKeptAndWritesNothing)
{
    const QString incomplete = QString::fromUtf8("Bitte Eingabe vervollständigen!");
    const QString notAbove = QString::fromUtf8("Max.Wert muss größer als Min.Wert sein.");
    const struct {
        const char* what;
        std::string defaults;
        bool addEmpty; // "Neu", left empty
        QString message;
        QString caption;
        const char* shown;
    } cases[] = {
        {"a minimum equal to the maximum", "km/h,0,250,\r\nbar,5,5,\r\n", false, notAbove, "Doh! ;-)",
         "Feld#: 2/2"},
        {"a minimum above the maximum", "km/h,0,250,\r\nbar,6,5,\r\n", false, notAbove, "Doh! ;-)",
         "Feld#: 2/2"},
        {"a new preset left empty", kDefaults, true, incomplete, "Fehler", "Feld#: 4/4"},
        {"an empty unit from the file", ",0,10,\r\nbar,5,5,\r\n", false, incomplete, "Fehler", "Feld#: 1/2"},
        {"the first preset that cannot be kept", "bar,5,5,\r\nkm/h,0,250,\r\n", true, notAbove, "Doh! ;-)",
         "Feld#: 1/3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        WriteFile("Scaling/Prefs.cfg", kPrefs);
        WriteFile("Scaling/Defaults.cfg", c.defaults);
        boxes.Clear();
        Open();
        if (c.addEmpty)
            Click(Preferences::IDC_PRESET_NEW);
        TypeAndLeave(Preferences::IDC_THICKNESS, "4");
        Click(IDOK);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, c.message);
        EXPECT_EQ(boxes.Boxes()[0].caption, c.caption);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Text(Preferences::IDC_PRESET_LABEL), c.shown);
        EXPECT_EQ(QApplication::focusWidget(), Item(Preferences::IDC_PRESET_UNIT));
        EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"), kPrefs);
        EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), c.defaults);
    }

    // Mended, the preset shown is saved.
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "50");
    Click(Preferences::IDC_PRESET_NEXT);
    Click(Preferences::IDC_PRESET_NEXT);
    TypeAndLeave(Preferences::IDC_PRESET_UNIT, "l/h");
    TypeAndLeave(Preferences::IDC_PRESET_MAX, "10");
    boxes.Clear();
    Click(IDOK);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"), "bar,5,50,\r\nkm/h,0,250,\r\nl/h,0,10,\r\n");
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

TEST_F(PreferencesTest, FilesThatCannotBeWrittenAreReportedAndTheDialogStaysOpen)
{
    WriteFile("Scaling", "not a folder");
    Open();
    Click(IDOK);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8("Einstellungen können nicht gespeichert werden."));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_TRUE(dlg->isVisible());
}
