// Moves the four settings between the settings file and the controls.
#include <windows.h>

#include "config/ConfigPath.h"
#include "config/FileLock.h"
#include "config/IniFile.h"
#include "config/SafeSave.h"
#include "dialog/Unit1.h"

namespace {

// How long a dialog that opens waits for another one's save to finish.
constexpr DWORD kSavePatience = 10000;

// A line break would be written into the file as further lines, which the plug-in reads as keys.
std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

void Tell(tk::Form* form, const std::wstring& text) {
    MessageBoxW(form->Handle(), text.c_str(), L"tolv.bot.setup", MB_OK | MB_ICONERROR);
}

// A file that is there but cannot be read would show the defaults as if they were the stored settings.
bool Unreadable(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

}  // namespace

void SetupForm::LoadSettings() {
    std::wstring path = ConfigPath();
    std::wstring trouble;
    {
        // Never a file in the middle of another dialog's save.
        FileLock saving(FinalPath(path), kSavePatience);
        if (!IniFile::Reaches(path))
            trouble = L"The settings cannot be read or saved: the path of this folder is too long:\n" + ProgramDir();
        else if (Unreadable(path))
            trouble = L"The settings could not be read from:\n" + path;
        IniFile ini(path);
        ini.SetSection("main");
        BotCountCombo->SetCurrentIndex(ini.ValueInteger("num_bots", 1));
        DebugCheck->SetChecked(ini.ValueBoolean("debug", false));
        ini.SetSection("bot");
        SkillCombo->SetCurrentIndex(ini.ValueInteger("skill", 3) - 1);
        NickPrefixEdit->SetText(ini.ValueString("nick_prefix", "^2^btolv^n^7"));
    }  // saves may go on while the user reads the box
    if (!trouble.empty()) Tell(Form, trouble);
}

void SetupForm::OkClick(tk::Control*) {
    std::wstring path = ConfigPath();
    bool saved;
    {
        SafeSave save(path);
        IniFile ini(save.CopyPath());
        ini.SwitchToWriting();
        ini.SetSection("main");
        // A list without a selection holds a stored value outside its range: keep that value as it is.
        int botCount = BotCountCombo->CurrentIndex();
        if (botCount >= 0) ini.ValueInteger("num_bots", botCount);
        ini.ValueBoolean("debug", DebugCheck->Checked());
        ini.SetSection("bot");
        int skill = SkillCombo->CurrentIndex();
        if (skill >= 0) ini.ValueInteger("skill", skill + 1);
        ini.ValueString("nick_prefix", FirstLine(NickPrefixEdit->Text()));
        saved = !ini.WriteFailed() && save.Commit();
    }  // other dialogs may save again before the user has read the box

    if (!saved) {
        // The dialog stays open with the user's values, so the cause can be fixed and Ok pressed again.
        Tell(Form, L"The settings could not be saved to:\n" + path);
        return;
    }
    PostMessageA(SetupFormVar->Form->Handle(), WM_CLOSE, 0, 0);
}
