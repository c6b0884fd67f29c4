#include "puzzle/sound_effects.h"

namespace chelan {

std::wstring_view SoundFileName(SoundEvent event) {
  switch (event) {
    case SoundEvent::Move: return L"\\澈岚1.wav";
    case SoundEvent::Win: return L"\\澈岚2.wav";
    case SoundEvent::Action: break;
  }
  return L"\\澈岚3.wav";
}

std::wstring SoundPath(const std::wstring& programFolder, SoundEvent event) {
  return programFolder + std::wstring(SoundFileName(event));
}

void PlayWave(Services& services, const std::wstring& path) { services.PlayWave(path, false); }

void RaiseSoundEvent(Services& services, SoundEvent event, bool soundSwitchOn) {
  if (soundSwitchOn) PlayWave(services, SoundPath(services.ProgramFolder(), event));
}

}  // namespace chelan
