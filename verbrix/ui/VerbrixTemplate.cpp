#include "verbrix/ui/VerbrixTemplate.h"

#include "platform/MessageBox.h"
#include "verbrix/core/Resource.h"

namespace {

using K = ControlKind;

constexpr ControlTemplate kTemplate[] = {
    {IDC_STATIC, K::Static, "Momentanverbrauch in l/100km:", 7, 19, 130, 10},
    {IDC_CONSUMPTION, K::SunkenStatic, "<CONS>", 140, 7, 133, 34},
    {IDC_STATIC, K::Static, "Durchschnitt in l/100km:", 7, 56, 130, 10},
    {IDC_AVERAGE, K::SunkenStatic, "<AVG>", 140, 44, 133, 34},
    {IDC_STATIC, K::Static, "Gesamtverbrauch in l:", 7, 93, 130, 10},
    {IDC_TOTAL, K::SunkenStatic, "<TOT>", 140, 81, 133, 34},
    {IDC_STATIC, K::Static, "Gefahrene Strecke im km:", 7, 130, 130, 10},
    {IDC_DISTANCE, K::SunkenStatic, "<KM>", 140, 118, 133, 34},
    {IDC_RESET, K::PushButton, "R&eset", 140, 155, 60, 14},
    {IDOK, K::DefaultPushButton, "B&eenden", 213, 155, 60, 14},
};

} // namespace

std::span<const ControlTemplate> VerbrixDialogTemplate()
{
    return kTemplate;
}
