// A solid brush owned by one control, remade only when its colour changes.
#pragma once

#include <windows.h>

namespace tk {

class Brush {
public:
    Brush() = default;
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;
    ~Brush() { Release(); }

    HBRUSH For(COLORREF color) {
        if (!handle_ || color != color_) {
            Release();
            handle_ = CreateSolidBrush(color);
            color_ = color;
        }
        return handle_;
    }

private:
    void Release() {
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
    }

    HBRUSH handle_ = nullptr;
    COLORREF color_ = 0;
};

}  // namespace tk
