// A fresh read of a settings file through the profile functions: what the plug-in will find in it.
#pragma once

#include <string>
#include <vector>

struct ProfileSection {
    std::string name;
    // "key=value", or a line without "=", as the platform lists them; comments and blank lines it leaves out.
    std::vector<std::string> entries;
};
// Every section name the platform lists, in order, with what it lists under that name.
using ProfileView = std::vector<ProfileSection>;

ProfileView ReadProfileView(const std::string& path);

// The view without the dialog's four keys: the first of each, the one the platform reads and writes.
ProfileView WithoutTheDialogsKeys(ProfileView view);

// The view after a save without the "main" or "bot" section the save had to make, which holds nothing else;
// a second copy of either stays in, and so does one that was there before.
ProfileView WithoutSectionsTheSaveMade(ProfileView after, const ProfileView& before);

// Where two views begin to differ, for a failure message; empty when they hold the same.
// Names match without regard to case, as the platform matches them; values must be equal.
std::string ViewDifference(const ProfileView& want, const ProfileView& got);

// A key's text as GetPrivateProfileStringA reads it, whole, however long.
std::string StoredText(const std::string& path, const char* section, const char* key,
                       const char* fallback = "<missing>");

// The longest value WritePrivateProfileStringA stores: under Wine a longer one removes the key, and reports success.
constexpr size_t kLongestWritableValue = 32766;

// What a fresh read gives back after the platform has written this text as a value:
// the platform decides what survives of blanks and quotes around it.
std::string PlatformRoundTrip(const std::string& text);
