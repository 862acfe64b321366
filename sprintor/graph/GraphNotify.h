#pragma once
// The notifications the graph control sends its parent, synchronously: a parent widget that
// implements IGraphNotify receives them.

#include "platform/WinTypes.h"

class QWidget;

constexpr UINT GRAPHN_SELCHANGED = 1124;
constexpr UINT GRAPHN_RANGECHANGED = 1125;
constexpr UINT GRAPHN_CURSORMOVED = 1126;

struct NMHDR {
    QWidget* hwndFrom; // the control
    UINT idFrom;       // its child id
    UINT code;
};

class IGraphNotify {
public:
    virtual ~IGraphNotify() = default;
    virtual void OnGraphNotify(const NMHDR& header) = 0;
};
