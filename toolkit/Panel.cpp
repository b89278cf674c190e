// The panel's frame kinds.
#include "toolkit/Panel.h"

namespace tk {

namespace {
DWORD EdgeStyle(PanelEdge edge) {
    switch (edge) {
    case esRaised: return WS_DLGFRAME;
    case esLowered: return SS_SUNKEN;
    case esNone: break;
    }
    return 0;
}
}  // namespace

Panel::Panel(Control* parent, PanelEdge edge)
    : ControlOf(parent, Kind{"STATIC", WS_CHILD | WS_CLIPSIBLINGS | SS_LEFT | EdgeStyle(edge), 0, 100, 100},
                "") {}

Panel* NewPanel(Control* parent, PanelEdge edge) {
    return Control::Adopt(parent, std::make_unique<Panel>(parent, edge));
}

}  // namespace tk
