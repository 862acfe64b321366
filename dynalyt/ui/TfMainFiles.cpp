// The main form's handlers of files, the import, the grids' buttons, the import settings and
// the diagram's export.
#include "dynalyt/ui/FileDialogs.h"
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/TStringGrid.h"
#include "dynalyt/ui/TfMain.h"

#include <QClipboard>
#include <QGuiApplication>

namespace dynalyt {

void TfMain::ladenClick()
{
    Handle([this] {
        const std::optional<QString> name = platform::GetOpenFileName(this, od1());
        if (!name)
            return;
        m_unit.LoadMeasurement(*name);
        m_unit.TabsChange();
    });
}

void TfMain::speichernClick()
{
    Handle([this] {
        const std::optional<QString> name = platform::GetSaveFileName(this, sd1());
        if (!name)
            return;
        // The runs are written as the grids hold them now.
        m_unit.TabsChange();
        m_unit.SaveMeasurement(*name);
    });
}

void TfMain::b_logimportClick()
{
    Handle([this] {
        if (!m_unit.ImportSettingsComplete())
            return;
        const std::optional<QString> name = platform::GetOpenFileName(this, od2());
        if (name)
            m_unit.ImportLogFile(*name);
    });
}

void TfMain::b_beschlClick()
{
    Handle([this] {
        m_unit.fMain.m_beschl.Clear();
        MainUnit::PasteIntoGrid(m_unit.fMain.m_beschl, m_beschl->SelectionLeft(), m_beschl->SelectionTop(),
                                QGuiApplication::clipboard()->text());
    });
}

void TfMain::b_ausrClick()
{
    Handle([this] {
        m_unit.fMain.m_ausr.Clear();
        MainUnit::PasteIntoGrid(m_unit.fMain.m_ausr, m_ausr->SelectionLeft(), m_ausr->SelectionTop(),
                                QGuiApplication::clipboard()->text());
    });
}

void TfMain::b_beschl_lClick()
{
    Handle([this] { m_unit.fMain.m_beschl.Clear(); });
}

void TfMain::b_ausr_lClick()
{
    Handle([this] { m_unit.fMain.m_ausr.Clear(); });
}

void TfMain::z_trennerChange()
{
    Handle([this] { m_unit.z_trennerChange(); });
}

void TfMain::zsetzenClick()
{
    Handle([this] { m_unit.zsetzenClick(); });
}

void TfMain::grafik_speichernClick()
{
    Handle([this] {
        const std::optional<QString> name = platform::GetSaveFileName(this, sd2());
        if (name)
            Chart1->SaveToBitmapFile(*name);
    });
}

void TfMain::druckenClick()
{
    Handle([this] { Chart1->Print(); });
}

} // namespace dynalyt
