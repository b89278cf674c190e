// A control's own font: a description it can change and the GDI font made from it.
#pragma once

#include <windows.h>

namespace tk {

enum FontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

class Font {
public:
    explicit Font(const LOGFONTA& description);
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    // The starting point of a top-level window: every field zero but the character set.
    static LOGFONTA DefaultDescription();

    Font* SetHeight(int height);
    Font* SetFace(const char* face);
    Font* SetStyle(unsigned styles);

    const LOGFONTA& Description() const { return description_; }
    HFONT Handle() const { return handle_; }

    // The window drawn in this font; every change is handed to it.
    void Attach(HWND window);

private:
    void Apply();

    LOGFONTA description_;
    HFONT handle_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace tk
