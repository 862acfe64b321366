#pragma once
// The controls of a dialog made from its template, found by their ids.

#include "dialogkit/DialogTemplate.h"

#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

// A member of the dialog that stands for the control of the row with its id.
struct AttachedControl {
    UINT id;
    QWidget* control;
};

class DialogControls {
public:
    // Makes the rows' controls on the dialog, in the rows' order (which is also the order of
    // the keyboard focus), the attached members in place of the controls of their rows.
    void Create(QWidget* dialog, std::span<const ControlTemplate> rows,
                std::initializer_list<AttachedControl> attached = {});

    // The control with that id, or nullptr; of two with one id, the first made.
    QWidget* GetDlgItem(UINT id) const;

private:
    std::vector<std::pair<UINT, QWidget*>> m_byId; // sorted by id
};
