// The top-level window: main-window role, close request, fixed size, centring and focus.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/Control.h"

namespace tk {

class Form : public ControlOf<Form> {
public:
    Form(Control* owner, const char* caption);
    ~Form() override;

    // The object is released with the form, before the form's controls.
    Form* Own(std::unique_ptr<Object> object);
    Form* MakeMainWindow();
    Form* SetEraseBackground(bool erase);
    Form* Centre();
    Form* FixSize();

    Control* CurrentControl() const { return current_; }
    void SetCurrentControl(Control* control) { current_ = control; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<std::unique_ptr<Object>> owned_;
    Control* current_ = nullptr;
    bool eraseBackground_ = true;
    bool fixed_ = false;
    SIZE fixedSize_{};
};

Form* NewForm(Control* owner, const char* caption);

// The form whose closing ends the program; null outside the message loop's run.
extern Form* MainWindow;

// Left (or top) edge that centres a window of the given size: half the difference, rounded down.
constexpr int CentredEdge(int screenSize, int windowSize) {
    return (screenSize - windowSize) >> 1;
}

}  // namespace tk
