#pragma once
// The main dialog's logic without widgets: the members that the dialog exchanges with its
// controls, and the operations of the reply handler, the display update, the fuel economy, the
// scale editing and the scaling load. What an operation asks of the widgets that no member
// stands for (trace ranges, meters, the layout, the grid, the title, a message) is collected in
// ReplyEffects, which the dialog takes and applies before it pushes m_plotValues to the scope
// and the meters. The members below m_plotValues hold what the dialog shows without an exchange;
// the dialog brings its controls to them after every operation.
//
// Its files: DisplayUpdate.cpp (construction, what a parsed reply shows, the layout switch, the
// effects), ReplyParser.cpp (taking and parsing a reply, identifying the module), FuelEconomy.cpp,
// ScaleEdit.cpp (the selected slot, its Min and Max, the step label) and ModuleScaling.cpp
// (loading and saving the module's scales).
//
// A live "DataReply" in the dialog (a played-back line goes the same way, with SetReply and
// ParseReply in place of TakeReply):
//
//     if (!m_model.TakeReply(kind, payload))
//         return;
//     UpdateData(TRUE);                               // boxes and edits into the model
//     const ReplyEffects effects = m_model.ShowParsedReply();
//     Apply(effects);                                 // layout, ranges, meters, title, message
//     m_scope.PushValues(m_model.m_plotValues.data());
//     UpdateMeters(m_model.m_plotValues.data());      // and g_dMileage, g_dConsumption
//     if (effects.rebuildGrid)
//         m_scope.RebuildGrid(FALSE);
//     UpdateData(FALSE);                              // members and shown states to the controls

#include "oscivo/core/OscivoState.h"
#include "platform/WinTypes.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A change of layout: the dialog makes or destroys the swatch windows (slots 0..3 against the
// ten advanced ones), shows and hides the two sets of controls, enables the Min and Max edits
// only in the standard layout, and, while a log plays, shows the speed controls only there.
enum class LayoutSwitch {
    None,
    ToAdvanced, // row 0 gives way to the ten advanced values
    ToStandard,
};

// What a colour swatch shows: nothing (the button face) or the colour of its trace.
enum class SwatchFill { ButtonFace, Trace };

struct ValueRange {
    double min = 0;
    double max = 0;
};

// Settings for a fuel-economy meter, applied only while it is open.
struct FuelMeterSetup {
    std::string units;
    double scaleMax = 0; // the scale starts at 0
    std::optional<int> readoutDigits;
};

struct ReplyEffects {
    LayoutSwitch layout = LayoutSwitch::None;
    std::array<std::optional<ValueRange>, kScopeSlots> traceRange; // each also clears the trace
    std::array<std::optional<ValueRange>, kScopeSlots> meterRange; // of slot meter k, when open
    std::array<std::optional<std::string>, kScopeSlots> meterUnits;
    bool closeFuelMeters = false;                   // meters 12 and 13, when open
    std::optional<FuelMeterSetup> mileageMeter;     // meter 12, when open
    std::optional<FuelMeterSetup> consumptionMeter; // meter 13, when open
    bool titleChanged = false;                      // the window shows g_strTitle
    bool rebuildGrid = false;                       // the scope's grid, after the push
    bool scalingSaveFailed = false;                 // "Skalierung kann nicht gespeichert werden."
};

enum class ScalingSave {
    Nothing, // no module's scales are held: nothing to save
    Saved,
    Failed,
};

class OscivoModel {
public:
    OscivoModel();
    OscivoModel(const OscivoModel&) = delete;
    OscivoModel& operator=(const OscivoModel&) = delete;

    // Exchanged with the controls
    std::array<int, kScopeSlots> m_nGraph = {1, 1, 1, 1}; // graph check box 1056 + k
    std::array<std::string, kScopeSlots> m_strValue;      // value edit 1031 + k
    std::string m_strTime;                                // edit 1053
    std::string m_strSpeed = "1x";                        // static 1078
    std::string m_strMin;                                 // edit 1054
    std::string m_strMax;                                 // edit 1055
    std::string m_strStep;                                // static 1079
    std::array<int, kAdvancedValues> m_nAdvGraph = {};    // check box 1068 + i
    std::array<std::string, kAdvancedValues> m_strAdv;    // in control order: edit 1043 + i
    std::array<int, kScopeSlots> m_nAirFuel = {};         // A/F check box of slot k

    // Shown without an exchange
    std::array<double, kScopeSlots> m_plotValues = {}; // pushed to the scope and the meters
    BOOL m_bObdMode = FALSE;                           // the OBD layout: one field per group
    std::array<SwatchFill, kScopeSlots> m_slotSwatch;
    std::array<SwatchFill, kAdvancedValues> m_advSwatch;
    std::array<bool, kScopeSlots> m_airFuelShown = {};   // A/F box shown, its value edit narrowed
    std::array<bool, kScopeSlots> m_selectionShown = {}; // the slot's selection rectangle
    bool m_fuelButtonsShown = false;                     // "Mileage" and "Verbrauch"

    // A host "DataReply": true when it is to be shown. A reply of another kind, one of more
    // than 1027 bytes, one that comes while the display is stopped or one that does not parse
    // is not.
    bool TakeReply(std::string_view kind, std::string_view payload);
    // Everything a parsed reply changes before the scope and the meters get m_plotValues;
    // used for live replies and played-back lines alike.
    ReplyEffects ShowParsedReply();

    // The payload in g_szReply into the slots: 1 = taken whole, -1 = malformed. A malformed
    // payload leaves both layout flags as they were.
    int ParseReply();
    // Identifies the module from the payload's first field, unless it is the one loaded last:
    // scaling name, OBD layout, title, labels.
    void IdentifyModule();

    void SwitchLayout();
    void ShowStandardValues();
    void ShowAdvancedValues();
    void UpdateAirFuel(int row, int field);
    void UpdateFuelEconomy();

    // Scale editing: the selected slot and its Min and Max texts.
    void SelectScaleSlot(int row, int field);
    void OnNextScaleSlot();
    void OnPrevScaleSlot();
    void OnValueFocus(int slot);
    void OnKillFocusMax(std::string_view text);
    void OnKillFocusMin(std::string_view text);

    // m_strStep from the step label and g_nStepWidth.
    void UpdateStepLabel();

    // Brings the scale tables to the identified module: saves the module whose scales they
    // held, then reads the new one's scaling file, or creates it with 0..100. 0 = done or
    // nothing to do, -1 = the file can be neither read nor created (the tables then hold the
    // scales a new file would have).
    int LoadScaling();
    // Writes the scales to the file of the module they belong to, in its layout.
    ScalingSave SaveScaling();

    // What the operations since the last take ask of the widgets.
    ReplyEffects TakeEffects();

private:
    void SetScaleFromText(std::string_view text, bool maximum);
    void ShowScalesOfSlots();
    // Trace `slot` gets the slot's scale; with meter, an open meter of the slot too, and with
    // units also the slot's unit.
    void SetSlotRange(int slot, bool meter, bool units);

    ReplyEffects m_effects;
};
