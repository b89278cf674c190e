// A window of the test's own posing as one of the dialog's controls.
#pragma once

#include <windows.h>

// Hidden, of this process, carrying the value wherever the toolkit might keep its object: the "tk.Control"
// property and the user data. Inside the parent when one is given (a window of the dialog), else top-level.
class ForeignWindow {
public:
    explicit ForeignWindow(LONG_PTR value, HWND parent = nullptr);
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;
    ~ForeignWindow();

    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// Puts the value wherever the toolkit might keep its object, on any window: another process can write the
// "tk.Control" property and the user data of the dialog's own windows too. False when the window did not take it.
bool CarryValue(HWND window, LONG_PTR value);

// What the program keeps on a window of its own, wherever it keeps it; on a window of the test's it names the
// program's own object for that window.
LONG_PTR DataKeptOn(HWND window);
