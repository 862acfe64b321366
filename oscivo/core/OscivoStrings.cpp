#include "oscivo/core/OscivoStrings.h"

#include "platform/Codec1252.h"
#include "platform/StringTable.h"

#include <QCoreApplication>

void InstallOscivoStrings()
{
    // The caption of the messages that have none of their own.
    QCoreApplication::setApplicationName(QStringLiteral("Oscivo"));
    platform::SetStringTable({
        {IDS_MENU_PREFS, "&Einstellungen"},
        {IDS_MENU_ABOUT, "&Über"},
        {IDS_STEP_LABEL, "Schr.weite:"},
        {IDS_MENU_PRINT, "Bild &drucken"},
        {IDS_HEADER_ERROR, "Fehler beim Einlesen des Headers."},
        {IDS_PARSE_ERROR, "Fehler beim Parsen."},
        {IDS_SCALING_NOT_SAVED, "Skalierung kann nicht gespeichert werden."},
        {IDS_NOT_A_LOG, "Das ist keine originale Diagnoma Lodatei!"},
        {IDS_DOH, "Doh! ;-)"},
        {IDS_UNEXPECTED_END, "Unerwartetes Dateiende. Ist das eine erweiterte Logdatei?"},
        {IDS_UH_OH, "Uh oh...."},
        {IDS_LIVE_TITLE, "Oscivo  -  Live Daten  -  "},
        {IDS_CHOOSE_LOG, "Logdatei auswählen"},
        {IDS_CANNOT_OPEN, "Datei kann nicht geööfnet werden."},
        {IDS_ERROR, "Fehler"},
        {IDS_INCOMPLETE, "Bitte Eingabe vervollständigen!"},
        {IDS_MAX_NOT_ABOVE_MIN, "Max.Wert muss größer als Min.Wert sein."},
        {IDS_PRESETS_FULL, "Mehr als 256 Voreinstellungen sind nicht möglich."},
        {IDS_PREFS_NOT_SAVED, "Einstellungen können nicht gespeichert werden."},
        {IDS_FIELD, "Feld#"},
        {IDS_LINE, "Linie"},
        {IDS_RANGE_THICKNESS, "Bitte eine ganze Zahl zwischen 0 und 10 eingeben."},
        {IDS_RANGE_METER, "Bitte eine ganze Zahl zwischen 1 und 1000 eingeben."},
        {IDS_RANGE_DEPTH, "Bitte eine ganze Zahl zwischen 1 und 20 eingeben."},
        {IDS_WRONG_VALUE, "Falscher Wert"},
        {IDS_VERSION, "Version"},
        {IDS_LOG_FILES, "Diagnoma Logdateien"},
        {IDS_ALL_FILES, "Alle Dateien"},
        {IDS_COLOUR_FIRST + 0, "Rot"},
        {IDS_COLOUR_FIRST + 1, "Hellgrün"},
        {IDS_COLOUR_FIRST + 2, "Gelb"},
        {IDS_COLOUR_FIRST + 3, "Hellgelb"},
        {IDS_COLOUR_FIRST + 4, "Orange"},
        {IDS_COLOUR_FIRST + 5, "Cyan"},
        {IDS_COLOUR_FIRST + 6, "Dk.Grün"},
        {IDS_COLOUR_FIRST + 7, "Dk.Blau"},
        {IDS_COLOUR_FIRST + 8, "Braun"},
        {IDS_COLOUR_FIRST + 9, "Pink"},
        {IDS_COLOUR_FIRST + 10, "Blau"},
        {IDS_COLOUR_FIRST + 11, "Dk.Cyan"},
        {IDS_COLOUR_FIRST + 12, "Schwarz"},
        {IDS_COLOUR_FIRST + 13, "Weiss"},
        {IDS_METER, "Oscivo Meter"},
        {IDS_MILEAGE_TITLE, "Reichweite in Meilen/Gal(US)"},
        {IDS_CONSUMPTION_TITLE, "Verbrauch in Liter/100km"},
        {IDS_UNIT_MPG, "MPG"},
        {IDS_UNIT_L100KM, "l/100km"},
        {IDS_UNIT_GAL_PER_HOUR, "Gal. ppro Stunde"},
        {IDS_TITLE_HINT, "Icon klicken um Einstellungen zu bearbeiten"},
        {IDS_PEAK, "Spitze:"},
        {IDS_TIP_SLOWER, "Langsamer abspielen"},
        {IDS_TIP_FASTER, "Schneller abspielen"},
        {IDS_TIP_LOAD, "Diagnoma Logdatei laden."},
        {IDS_TIP_SWATCH, "Rechts-Klick zeigt Rundinstrument."},
        {IDS_NO_HOST, "Kann nicht mit Proxy oder Diagnoma verbinden."},
        {IDS_TIP_GRAPH, "Kästchen markieren um Graph anzuzeigen."},
        {IDS_TIP_SCALE_SLOT, "Markierungsrechteck um die Werte (ausgewähltes Datenfeld) bewegen.\nDie "
                             "Eingabefelder rechts ändern x- und y-Achsen des ausgewählten Datenfelds."},
    });
}

std::string ResStrBytes(UINT id)
{
    return platform::ToCp1252(ResStr(id));
}
