// The inputs of page "Eingaben": the sum of the partial weights, the reading of the four
// inputs the computation uses, their plausibility checks and the air correction.

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"

#include <cmath>

namespace dynalyt {

void MainUnit::e_leergewChange()
{
    // Each partial weight counts on its own, an unreadable one as 0, so one empty field
    // never drops the ones after it.
    double sum = 0;
    for (InputEdit e :
         {InputEdit::e_leergew, InputEdit::e_insassengew, InputEdit::e_kraftstoffgew, InputEdit::e_sonstgew})
        sum += NumberFormat.StrToFloat(fMain.Edit(e)).value_or(0);
    if (!std::isfinite(sum)) {
        m_actions.ShowError(QString::fromUtf8(OverflowText));
        return;
    }
    fMain.Edit(InputEdit::e_gew) = NumberFormat.FormatFloat(sum, 0);
}

void MainUnit::ReadInputs()
{
    VehicleMass = DecimalFormat::StrToInt(fMain.Edit(InputEdit::e_gew)).value_or(1380);
    AirPressure = DecimalFormat::StrToInt(fMain.Edit(InputEdit::e_luftdr)).value_or(1013);
    AirTemperature = DecimalFormat::StrToInt(fMain.Edit(InputEdit::e_temp)).value_or(20);
    TyreRatio = NumberFormat.StrToFloat(fMain.Edit(InputEdit::e_abruv)).value_or(1.0);
}

void MainUnit::CheckInputs()
{
    if (AirTemperature < -30 || AirTemperature > 80) {
        m_actions.ShowMessage(
            QString::fromUtf8("Einstellungen prüfen!\r\rTemperatur unplausibel (-30 - 80°C)."));
        m_actions.ShowPage(Page::ts1);
        m_actions.FocusEdit(InputEdit::e_temp);
        AirTemperature = 20;
    }
    if (TyreRatio < 0.5 || TyreRatio > 1.6) {
        m_actions.ShowMessage(
            QString::fromUtf8("Einstellungen prüfen!\r\rVerhältnis des Reifenabrollumfang zur "
                              "Serie unplausibel (0.50 - 1.60)."));
        m_actions.ShowPage(Page::ts1);
        m_actions.FocusEdit(InputEdit::e_abruv);
        TyreRatio = 1.0;
    }
    if (AirPressure >= 800 && AirPressure <= 1100) {
        AirCorrection = (1013.25 / AirPressure) * std::sqrt((AirTemperature + 273.15) / 293.15);
    } else {
        AirCorrection = 1.0;
        m_actions.ShowMessage(
            QString::fromUtf8("Einstellungen prüfen!\r\rLuftdruck unplausibel (800 - 1100mbar)."));
        m_actions.ShowPage(Page::ts1);
        m_actions.FocusEdit(InputEdit::e_luftdr);
    }
}

} // namespace dynalyt
