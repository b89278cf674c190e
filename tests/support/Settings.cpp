// One reading of the four controls, so that no suite has a struct of its own for what the dialog shows.
#include "tests/support/Settings.h"

Settings WhatTheDialogShows(const DialogProcess& dialog) {
    return Settings{DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)),
                    DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)),
                    DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)),
                    DialogProcess::Text(dialog.Control(Ctl::NickPrefixEdit))};
}

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << "{bots index " << settings.botIndex << ", debug " << (settings.debug ? "on" : "off") << ", skill index "
         << settings.skillIndex << ", prefix ";
    if (settings.nick.size() <= 60)
        *out << "\"" << settings.nick << "\"}";
    else
        *out << "of " << settings.nick.size() << " characters \"" << settings.nick.substr(0, 20) << "..."
             << settings.nick.substr(settings.nick.size() - 20) << "\"}";
}
