// Moves the four settings between the settings file and the controls.
#include <windows.h>

#include "config/ConfigPath.h"
#include "config/IniFile.h"
#include "dialog/Unit1.h"

namespace {

// A line break would be written into the file as further lines, which the plug-in reads as keys.
std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

void SetupForm::LoadSettings() {
    IniFile ini(ConfigPath());
    ini.SetSection("main");
    BotCountCombo->SetCurrentIndex(ini.ValueInteger("num_bots", 1));
    DebugCheck->SetChecked(ini.ValueBoolean("debug", false));
    ini.SetSection("bot");
    SkillCombo->SetCurrentIndex(ini.ValueInteger("skill", 3) - 1);
    NickPrefixEdit->SetText(ini.ValueString("nick_prefix", "^2^btolv^n^7"));
}

void SetupForm::OkClick(tk::Control*) {
    std::string path = ConfigPath();
    IniFile ini(path);
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

    if (ini.WriteFailed()) {
        // The dialog stays open with the user's values, so the cause can be fixed and Ok pressed again.
        std::string text = "The settings could not be saved to:\n" + path;
        MessageBoxA(Form->Handle(), text.c_str(), "tolv.bot.setup", MB_OK | MB_ICONERROR);
        return;
    }
    PostMessageA(SetupFormVar->Form->Handle(), WM_CLOSE, 0, 0);
}
