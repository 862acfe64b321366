#include "verbrix/core/VerbrixStrings.h"

#include "platform/StringTable.h"
#include "verbrix/core/Resource.h"

#include <QCoreApplication>

void InstallVerbrixStrings()
{
    // The program file's name is written in lower case here.
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppName));
    platform::SetStringTable({
        {IDS_ABOUTBOX, "Inf&o über Verbrix..."},
        {IDS_NO_HOST, "Diagnoma / Brokara laufen nicht oder sind nicht erreichbar."},
        {IDS_NO_DATA, "Hm, what's this? We acquired some sort of data containing vehicle speed..."},
        {IDS_NO_SPEED, "Bitte Meßwertblock mit Fahrzeuggeschwindigkeit in km / Stunde auswählen, z.B. MWB 6 "
                       "bei Dieselmotoren!"},
        {IDS_NO_FUEL_RATE,
         "Bitte Meßwertblock mit Momentanverbrauch in Liter / Stunde auswählen, z.B. MWB 15 "
         "bei Dieselmotoren!"},
    });
}
