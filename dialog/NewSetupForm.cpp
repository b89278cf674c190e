// The dialog's construction, one step per statement, in the order the layout was designed in.
#include "dialog/Unit1.h"

SetupForm* SetupFormVar = nullptr;

void NewSetupForm(SetupForm*& Result, tk::Control* AParent) {
    Result = new SetupForm();
    SetupForm* self = Result;
    self->Form = tk::NewForm(AParent, "tolv.bot.setup")->SetPosition(406, 304)->SetClientSize(217, 161);
    self->Form->MakeMainWindow();
    self->Form->Own(std::unique_ptr<SetupForm>(self));
    self->Form->SetStyle(self->Form->Style() & 0xFFFCFFFF);
    self->Form->SetEraseBackground(false);
    self->Form->GetFont()->SetHeight(12);
    self->Form->GetFont()->SetFace("Tahoma");
    self->Panel = tk::NewPanel(self->Form, tk::esLowered)->SetPosition(0, 0)->SetSize(217, 161);

    self->NickPrefixLabel = tk::NewLabel(self->Panel, "Nick prefix:")->SetPosition(7, 75)->SetSize(201, 14);
    self->BotCountLabel = tk::NewLabel(self->Panel, "Number of automatically created bots:")
                              ->SetPosition(7, 7)
                              ->SetSize(201, 14);
    self->SkillLabel = tk::NewLabel(self->Panel, "Skill:")->SetPosition(7, 42)->SetSize(201, 14);

    self->AboutButton = tk::NewButton(self->Panel, "About")->SetPosition(73, 132);
    self->AboutButton->GetFont()->SetStyle(tk::fsBold);
    self->OkButton = tk::NewButton(self->Panel, "Ok")->SetPosition(145, 132);
    self->OkButton->GetFont()->SetStyle(tk::fsBold);

    self->BotCountCombo = tk::NewComboBox(self->Panel, tk::coList | tk::coNoIntegralHeight)
                              ->SetPosition(7, 23)
                              ->SetSize(201, 18);
    self->BotCountCombo->SetColor(tk::clWindow);
    for (int count = 0; count <= 8; ++count) self->BotCountCombo->SetItemText(count, std::string(1, char('0' + count)));
    self->BotCountCombo->SetCurrentIndex(0);

    self->SkillCombo = tk::NewComboBox(self->Panel, tk::coList | tk::coNoIntegralHeight)
                           ->SetPosition(7, 56)
                           ->SetSize(201, 18);
    self->SkillCombo->SetColor(tk::clWindow);
    const char* const skills[] = {"I can win", "Hurt me plenty", "Medium", "Hardcore", "Nightmare"};
    for (int level = 0; level < 5; ++level) self->SkillCombo->SetItemText(level, skills[level]);
    self->SkillCombo->SetCurrentIndex(0);

    self->NickPrefixEdit = tk::NewEditBox(self->Panel)->SetPosition(7, 88)->SetSize(201, 18);
    self->NickPrefixEdit->SetColor(tk::clWindow);

    self->DebugCheck = tk::NewCheckBox(self->Panel, "Debug")->SetPosition(7, 108)->SetSize(201, 17);

    self->OkButton->SetOnClick(self, &SetupForm::OkClick);
    self->AboutButton->SetOnClick(self, &SetupForm::AboutClick);
    self->Form->Centre();
    self->Form->FixSize();
    self->LoadSettings();
}
