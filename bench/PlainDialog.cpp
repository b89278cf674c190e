// The dialog written straight against Win32, with no toolkit: the benchmark's target for what the toolkit may cost.
// Same windows, texts, places, fonts, colours, manifest, loop and four reads as the program; one font per weight,
// the system's own brushes, and each window made where it stays.
#include <windows.h>
#include <shellapi.h>

namespace {

const char kCaption[] = "tolv.bot.setup";
const char kDefaultPrefix[] = "^2^btolv^n^7";

HWND Form, Panel, AboutButton, OkButton, BotCountCombo, SkillCombo, NickPrefixEdit, DebugCheck;
HWND FocusBeforeLeaving;
HFONT NormalFont, BoldFont;
WNDPROC PanelClassProc;
SIZE FixedSize;

// The program's folder, up to and including its last backslash, then the relative path.
void PathBesideProgram(const char* relative, char* path) {
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (length && path[length - 1] != '\\') --length;
    lstrcpynA(path + length, relative, MAX_PATH);
}

HWND Child(const char* className, const char* text, DWORD style, DWORD exStyle, int left, int top, int width,
           int height, HFONT font) {
    HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | style, left, top, width, height, Panel,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, WPARAM(font), FALSE);
    return window;
}

// A drop-down list is made as tall as it is when open: room for its rows (eight at most) and its frame.
HWND List(int top, const char* const* items, int count) {
    int rows = count < 8 ? count : 8;
    HWND combo = Child("COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_HASSTRINGS |
                       CBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 7, top, 201, 18 * (rows + 1) + 2, NormalFont);
    for (int i = 0; i < count; ++i) SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(items[i]));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    return combo;
}

void SelectOrClear(HWND combo, int index) {
    if (SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0) == CB_ERR) SendMessageA(combo, CB_SETCURSEL, WPARAM(-1), 0);
}

void LoadSettings() {
    char path[MAX_PATH + 32];
    PathBesideProgram("basezul\\tolv.bot\\config.bot", path);
    SelectOrClear(BotCountCombo, int(GetPrivateProfileIntA("main", "num_bots", 1, path)));
    SendMessageA(DebugCheck, BM_SETCHECK, GetPrivateProfileIntA("main", "debug", 0, path) ? BST_CHECKED : BST_UNCHECKED,
                 0);
    SelectOrClear(SkillCombo, int(GetPrivateProfileIntA("bot", "skill", 3, path)) - 1);
    char prefix[2048];
    GetPrivateProfileStringA("bot", "nick_prefix", kDefaultPrefix, prefix, sizeof prefix, path);
    SetWindowTextA(NickPrefixEdit, prefix);
}

void OkClick() {
    char path[MAX_PATH + 32], text[2048];
    PathBesideProgram("basezul\\tolv.bot\\config.bot", path);
    bool written = true;
    int botCount = int(SendMessageA(BotCountCombo, CB_GETCURSEL, 0, 0));
    if (botCount >= 0) {
        wsprintfA(text, "%d", botCount);
        written &= WritePrivateProfileStringA("main", "num_bots", text, path) != 0;
    }
    bool debug = SendMessageA(DebugCheck, BM_GETCHECK, 0, 0) == BST_CHECKED;
    written &= WritePrivateProfileStringA("main", "debug", debug ? "1" : "0", path) != 0;
    int skill = int(SendMessageA(SkillCombo, CB_GETCURSEL, 0, 0));
    if (skill >= 0) {
        wsprintfA(text, "%d", skill + 1);
        written &= WritePrivateProfileStringA("bot", "skill", text, path) != 0;
    }
    GetWindowTextA(NickPrefixEdit, text, sizeof text);
    // Saved up to its first line break, as the program does.
    for (char* at = text; *at; ++at) {
        if (*at == '\r' || *at == '\n') {
            *at = '\0';
            break;
        }
    }
    written &= WritePrivateProfileStringA("bot", "nick_prefix", text, path) != 0;
    if (!written) {
        MessageBoxA(Form, "The settings could not be saved.", kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    PostMessageA(Form, WM_CLOSE, 0, 0);
}

void AboutClick() {
    char path[MAX_PATH + 32];
    PathBesideProgram("basezul\\tolv.bot\\readme.chm", path);
    // Loaded on the first click, as the program does: importing shell32 would cost every start.
    auto shellExecute = reinterpret_cast<decltype(&ShellExecuteA)>(
        reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA("shell32.dll"), "ShellExecuteA")));
    if (shellExecute) shellExecute(nullptr, "open", path, nullptr, nullptr, SW_RESTORE);
}

// The panel is a STATIC, whose own procedure ignores its children's requests: they are answered here.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && HWND(lParam) == OkButton) OkClick();
        if (HIWORD(wParam) == BN_CLICKED && HWND(lParam) == AboutButton) AboutClick();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetTextColor(HDC(wParam), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(HDC(wParam), GetSysColor(COLOR_WINDOW));
        return LRESULT(GetSysColorBrush(COLOR_WINDOW));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetTextColor(HDC(wParam), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
        return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
    }
    return CallWindowProcA(PanelClassProc, window, message, wParam, lParam);
}

LRESULT OnNcHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTBORDER : hit;
}

LRESULT OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = POINT{FixedSize.cx, FixedSize.cy};
    info->ptMaxTrackSize = info->ptMinTrackSize;
    return 0;
}

// The focus goes back to the control that had it when the dialog was left.
LRESULT OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Form, focus)) FocusBeforeLeaving = focus;
    } else {
        SetFocus(FocusBeforeLeaving ? FocusBeforeLeaving : AboutButton);
    }
    return 0;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: PostQuitMessage(0); return 0;
    case WM_ENDSESSION:
        if (wParam) ExitProcess(0);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_NCHITTEST: return OnNcHitTest(window, wParam, lParam);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_SIZE) return 0;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MakeForm(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "plain.Form";
    RegisterClassA(&windowClass);
    const DWORD style = (WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    RECT outer{0, 0, 217, 161};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    FixedSize = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    Form = CreateWindowExA(0, "plain.Form", kCaption, style, (GetSystemMetrics(SM_CXSCREEN) - FixedSize.cx) >> 1,
                           (GetSystemMetrics(SM_CYSCREEN) - FixedSize.cy) >> 1, FixedSize.cx, FixedSize.cy, nullptr,
                           nullptr, instance, nullptr);
}

void MakeControls() {
    Panel = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_SUNKEN, 0, 0, 217,
                            161, Form, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(Panel, WM_SETFONT, WPARAM(NormalFont), FALSE);
    PanelClassProc = WNDPROC(SetWindowLongPtrA(Panel, GWLP_WNDPROC, LONG_PTR(&PanelProc)));
    const DWORD label = WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
    Child("STATIC", "Nick prefix:", label, 0, 7, 75, 201, 14, NormalFont);
    Child("STATIC", "Number of automatically created bots:", label, 0, 7, 7, 201, 14, NormalFont);
    Child("STATIC", "Skill:", label, 0, 7, 42, 201, 14, NormalFont);
    AboutButton = Child("BUTTON", "About", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 73, 132, 64, 22, BoldFont);
    OkButton = Child("BUTTON", "Ok", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 145, 132, 64, 22, BoldFont);
    const char* const counts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
    BotCountCombo = List(23, counts, 9);
    const char* const skills[] = {"I can win", "Hurt me plenty", "Medium", "Hardcore", "Nightmare"};
    SkillCombo = List(56, skills, 5);
    NickPrefixEdit = Child("EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 7, 88, 201, 18,
                           NormalFont);
    DebugCheck = Child("BUTTON", "Debug", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 108, 201, 17, NormalFont);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    NormalFont = CreateFontA(12, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    BoldFont = CreateFontA(12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    // The form stays hidden until its children are made and the settings are in them; they are shown with it.
    MakeForm(instance);
    MakeControls();
    LoadSettings();
    ShowWindow(Form, SW_SHOW);

    for (bool stopped = false; !stopped;) {
        WaitMessage();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                stopped = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    DestroyWindow(Form);
    DeleteObject(NormalFont);
    DeleteObject(BoldFont);
    ExitProcess(0);
}
