#include "sprintor/core/SprintorStrings.h"

#include "platform/StringTable.h"
#include "sprintor/core/Resource.h"

#include <QCoreApplication>

void InstallSprintorStrings()
{
    // The program file's name is written in lower case here.
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppName));
    platform::SetStringTable({
        {IDS_ABOUTBOX, "&Über Sprintor..."},
        {IDS_START, "Los!"},
        {IDS_CANCEL, "Abbrechen"},
        {IDS_SAVE, "Speichern"},
        {IDS_PRINT, "Drucken"},
        {IDS_XTITLE, "Beschleunigungszeit (s)"},
        {IDS_YTITLE, "Geschwindigkeit (%s)"},
        {IDS_STRANGE_DATA, "Hm, what's this? We acquired some sort of data containing vehicle speed... Auf "
                           "deutsch: komische Daten kommen an."},
        {IDS_NO_SPEED_BLOCK,
         "Bitte in Diagnoma einen Messwertblock auswählen, der die Fahrzeuggeschwindigkeit "
         "enthält und sicherstellen, daß die korrekte Einheit ausgewählt ist (km/h oder mph)."},
        {IDS_BLOCK_SWITCHED, "Bitte den Messwertblock in Diagnoma während der Messung nicht umschalten!"},
        {IDS_RESULT, "Beschleunigung von %d auf %d dauerte %.2f Sekunden."},
        {IDS_BITMAP_FILTER, "Bitmap Dateien (*.bmp; *.dib)|*.bmp; *.dib||"},
        {IDS_FILE_CREATE_FAILED,
         "Datei kann nicht erstellt werden, bitte Zugriffsrechte und Platz auf dem Datenträger prüfen."},
        {IDS_HOST_UNREACHABLE, "Diagnoma / BrokaraSwitch läuft nicht oder ist nicht erreichbar."},
    });
}
