// Item replacement and the height of the opened list.
#include "toolkit/ComboBox.h"

#include <algorithm>

namespace tk {

namespace {
DWORD ComboStyle(unsigned options) {
    DWORD style = WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    style |= (options & coList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    if (options & coNoIntegralHeight) style |= CBS_NOINTEGRALHEIGHT;
    return style;
}
}  // namespace

ComboBox::ComboBox(Control* parent, unsigned options)
    : ControlOf(parent, Kind{"COMBOBOX", ComboStyle(options), WS_EX_CLIENTEDGE, 100, 20}, "") {}

ComboBox* NewComboBox(Control* parent, unsigned options) {
    return Control::Adopt(parent, std::make_unique<ComboBox>(parent, options));
}

ComboBox* ComboBox::SetItemText(int index, const std::string& text) {
    if (index < Count()) SendMessageA(Handle(), CB_DELETESTRING, WPARAM(index), 0);
    SendMessageA(Handle(), CB_INSERTSTRING, WPARAM(index), LPARAM(text.c_str()));
    return this;
}

void ComboBox::OnCommand(WORD code) {
    if (code != CBN_DROPDOWN) return;
    // Room for the closed box and one to eight rows of its height, plus the list's frame.
    RECT closed;
    GetWindowRect(Handle(), &closed);
    int rowHeight = closed.bottom - closed.top;
    int rows = std::min(std::max(Count(), 1), 8);
    SetWindowPos(Handle(), nullptr, 0, 0, closed.right - closed.left, rowHeight * (rows + 1) + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT ComboBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Its opened list and its edit part are no windows of ours: they ask the combo box, and get its colours.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return LRESULT(OnCtlColor(HDC(wParam)));
    return ControlOf::HandleMessage(message, wParam, lParam);
}

}  // namespace tk
