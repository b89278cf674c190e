// A combo box of plain text items; its opened list is sized to its items each time it opens.
#pragma once

#include <string>

#include "toolkit/Control.h"

namespace tk {

enum ComboOption : unsigned {
    coList = 1,               // pick from the list only, no typing
    coNoIntegralHeight = 2,   // the list keeps the height it is given
};

class ComboBox : public ControlOf<ComboBox> {
public:
    ComboBox(Control* parent, unsigned options);

    int Count() const { return int(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }
    // The selected index, or -1 when nothing is selected.
    int CurrentIndex() const { return int(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }
    // An index outside the list clears the selection. Windows does that itself; Wine keeps the old
    // selection for any index but -1, so a refused index is followed by -1.
    ComboBox* SetCurrentIndex(int index) {
        if (SendMessageA(Handle(), CB_SETCURSEL, WPARAM(index), 0) == CB_ERR)
            SendMessageA(Handle(), CB_SETCURSEL, WPARAM(-1), 0);
        return this;
    }
    // Replaces the item at the index; the index one past the last appends.
    ComboBox* SetItemText(int index, const std::string& text);

    void OnCommand(WORD code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

ComboBox* NewComboBox(Control* parent, unsigned options);

}  // namespace tk
