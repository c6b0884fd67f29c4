#pragma once
// The puzzle's three sound events and the wave file each one plays while the sound switch is on.
#include <string>
#include <string_view>

#include "platform/services.h"

namespace chelan {

enum class SoundEvent {
  Move,    // a clicked tile slid into the blank
  Win,     // the solved test succeeded while the stopwatch ran
  Action,  // the action button finished its shuffle or reset
};

// The file name as it is joined to the program folder: it begins with a backslash.
std::wstring_view SoundFileName(SoundEvent event);
std::wstring SoundPath(const std::wstring& programFolder, SoundEvent event);

// Plays the wave file once and returns at once; it replaces whatever sound is playing, and a
// missing file is silent.
void PlayWave(Services& services, const std::wstring& path);

// The sound switch is the check mark of the window's menu item; the caller reads it and passes it.
void RaiseSoundEvent(Services& services, SoundEvent event, bool soundSwitchOn);

}  // namespace chelan
