// The settings dialog: its object, its constructor and its handlers.
#pragma once

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

// Refers to the form and its controls; owns none of them (the form owns it).
class SetupForm : public tk::Object {
public:
    tk::Form* Form = nullptr;
    tk::Panel* Panel = nullptr;
    tk::Button* AboutButton = nullptr;
    tk::Label* BotCountLabel = nullptr;
    tk::ComboBox* BotCountCombo = nullptr;
    tk::Label* SkillLabel = nullptr;
    tk::Label* NickPrefixLabel = nullptr;
    tk::EditBox* NickPrefixEdit = nullptr;
    tk::ComboBox* SkillCombo = nullptr;
    tk::CheckBox* DebugCheck = nullptr;
    tk::Button* OkButton = nullptr;

    void LoadSettings();
    void OkClick(tk::Control* Sender);
    void AboutClick(tk::Control* Sender);
};

// Builds the whole dialog hidden, with the stored settings loaded; the variable is filled first.
void NewSetupForm(SetupForm*& Result, tk::Control* AParent);

// The one dialog of the process.
extern SetupForm* SetupFormVar;
