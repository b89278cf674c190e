// Remakes the GDI font on every change and gives it to the window before dropping the old one.
#include "toolkit/Font.h"

#include <cstring>

namespace tk {

Font::Font(const LOGFONTA& description) : description_(description) {}

Font::~Font() {
    if (handle_) DeleteObject(handle_);
}

LOGFONTA Font::DefaultDescription() {
    LOGFONTA description{};
    description.lfCharSet = DEFAULT_CHARSET;
    return description;
}

Font* Font::SetHeight(int height) {
    description_.lfHeight = height;
    Apply();
    return this;
}

Font* Font::SetFace(const char* face) {
    lstrcpynA(description_.lfFaceName, face, LF_FACESIZE);
    Apply();
    return this;
}

Font* Font::SetStyle(unsigned styles) {
    if (styles & fsBold) {
        if (description_.lfWeight < FW_BOLD) description_.lfWeight = FW_BOLD;
    } else if (description_.lfWeight >= FW_BOLD) {
        description_.lfWeight = FW_DONTCARE;
    }
    description_.lfItalic = (styles & fsItalic) != 0;
    description_.lfUnderline = (styles & fsUnderline) != 0;
    description_.lfStrikeOut = (styles & fsStrikeOut) != 0;
    Apply();
    return this;
}

void Font::Attach(HWND window) {
    window_ = window;
    Apply();
}

void Font::Apply() {
    HFONT old = handle_;
    handle_ = CreateFontIndirectA(&description_);
    if (window_) SendMessageA(window_, WM_SETFONT, WPARAM(handle_), TRUE);
    if (old) DeleteObject(old);
}

}  // namespace tk
