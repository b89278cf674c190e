// A cut, mixed or emptied file is in none of the states, whatever the platform reads from it.
#include "tests/save/SaveOutcome.h"

#include <windows.h>

#include <algorithm>

#include "tests/support/Paths.h"

Outcome OutcomeOf(const std::string& config, const std::string& before, const std::vector<ProfileView>& saves) {
    Outcome outcome;
    std::string bytes = ReadFileBytes(config);
    if (FileExists(config) && bytes == before) {
        outcome.kept = true;
        return outcome;
    }
    ProfileView view = ReadProfileView(config);
    for (size_t i = 0; i < saves.size(); ++i)
        if (ViewDifference(saves[i], view).empty()) {
            outcome.save = int(i);
            return outcome;
        }
    outcome.problem = "the file (" + (FileExists(config) ? std::to_string(bytes.size()) + " bytes" : "missing") +
                      ", was " + std::to_string(before.size()) + ") is not as before";
    for (size_t i = 0; i < saves.size(); ++i)
        outcome.problem += "; against save " + std::to_string(i) + ": " + ViewDifference(saves[i], view);
    return outcome;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}
