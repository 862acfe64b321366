#include "sprintor/ui/SprintorTemplate.h"

#include "sprintor/core/Resource.h"

namespace {

using K = ControlKind;

constexpr ControlTemplate kTemplate[] = {
    {IDC_STATIC, K::GroupBox, "Beschleunigungsintervall", 7, 7, 118, 31},
    {IDC_STATIC, K::GroupBox, "Fahrzeug Performance", 7, 40, 339, 202},
    {IDC_FROM, K::NumberEdit, "", 14, 18, 20, 12},
    {IDC_STATIC, K::Static, "bis", 40, 20, 8, 8},
    {IDC_TO, K::NumberEdit, "", 54, 18, 20, 12},
    {IDC_UNIT, K::DropList, "", 82, 18, 37, 48},
    {IDC_STARTSTOP, K::DefaultPushButton, "", 134, 14, 41, 24},
    {IDC_SAVE, K::PushButton, "", 229, 14, 41, 24},
    {IDC_PRINT, K::PushButton, "", 280, 14, 41, 24},
    {IDC_LAMP, K::SunkenPicture, "", 330, 4, 16, 34},
    {IDC_URL, K::Static, "musterwerk.example.org", 122, 228, 98, 8},
};

} // namespace

std::span<const ControlTemplate> SprintorDialogTemplate()
{
    return kTemplate;
}
