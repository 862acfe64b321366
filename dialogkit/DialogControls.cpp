#include "dialogkit/DialogControls.h"

#include <algorithm>

namespace {

bool ById(const std::pair<UINT, QWidget*>& a, const std::pair<UINT, QWidget*>& b)
{
    return a.first < b.first;
}

} // namespace

void DialogControls::Create(QWidget* dialog, std::span<const ControlTemplate> rows,
                            std::initializer_list<AttachedControl> attached)
{
    for (const ControlTemplate& row : rows) {
        const auto member = std::find_if(attached.begin(), attached.end(),
                                         [&](const AttachedControl& a) { return a.id == row.id; });
        QWidget* control = MakeControl(dialog, row, member == attached.end() ? nullptr : member->control);
        if (row.id != IDC_STATIC)
            m_byId.emplace_back(row.id, control);
    }
    std::stable_sort(m_byId.begin(), m_byId.end(), ById);
}

QWidget* DialogControls::GetDlgItem(UINT id) const
{
    const auto it =
        std::lower_bound(m_byId.begin(), m_byId.end(), std::pair<UINT, QWidget*>(id, nullptr), ById);
    return it != m_byId.end() && it->first == id ? it->second : nullptr;
}
