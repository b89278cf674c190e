// A plain static window that carries the other controls and paints its whole area.
#pragma once

#include "toolkit/Control.h"

namespace tk {

enum PanelEdge { esRaised = 0, esLowered = 1, esNone = 2 };

class Panel : public ControlOf<Panel> {
public:
    Panel(Control* parent, PanelEdge edge);
};

Panel* NewPanel(Control* parent, PanelEdge edge);

}  // namespace tk
