#pragma once
// Everything the program asks of the desktop goes through this one interface: the Win32
// implementation is the only code that touches system colours, dialogs, sound, the registry, files
// and the process; tests pass a recording fake instead.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"

namespace chelan {

// A window handle as the portable code sees it: only passed through, never looked into.
using NativeWindow = void*;

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// One system colour element and the colour it takes.
struct ColorWrite {
  int element;
  ColorValue color;
  bool operator==(const ColorWrite&) const = default;
};

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

class Services {
 public:
  virtual ~Services() = default;

  // System colours: one element, one colour, one call; the result is not examined.
  virtual void SetSysColor(int element, ColorValue color) = 0;
  // Several elements in one call, so that the desktop repaints once: the way back to the user's own
  // colours. The result is not examined either.
  virtual void SetSysColors(const std::vector<ColorWrite>& writes) = 0;
  // The colour an element has now.
  virtual ColorValue GetSysColor(int element) = 0;
  // The text of one value of the user's own colour scheme (HKEY_CURRENT_USER\Control Panel\Colors,
  // "ButtonFace" say), which Windows loads at log-on and which writing a system colour leaves alone.
  // Nothing when the value is missing, is not text, or is longer than maxChars: a longer text is
  // never cut, so that no part of it can pass for a colour. Characters after an embedded nul stay.
  virtual std::optional<std::wstring> UserSchemeColor(const std::wstring& name, std::size_t maxChars) = 0;

  // Sound: one channel for the whole program, a new sound replaces the playing one. A file that
  // cannot be played is silent.
  virtual void PlayWave(const std::wstring& path, bool loop) = 0;
  virtual void StopSound() = 0;

  // A modal box with an OK button only; without an owner it is modal to the whole program.
  virtual void ShowMessage(NativeWindow owner, const std::wstring& text, const std::wstring& title,
                          MessageIcon icon) = 0;

  // A modal box with a prompt, an edit field, OK and Cancel: the typed text, or nothing when
  // cancelled.
  virtual std::optional<std::wstring> InputBox(NativeWindow owner, const std::wstring& prompt,
                                               const std::wstring& title) = 0;

  // The system colour dialog, modal to the owner: 16 black custom colours made afresh for each call,
  // no initial colour, the short form. The chosen colour, or nothing when cancelled or failed.
  virtual std::optional<ColorValue> PickColor(NativeWindow owner) = 0;

  // The per-user settings store, by application, section and key.
  virtual std::wstring GetSetting(const std::wstring& application, const std::wstring& section,
                                  const std::wstring& key, const std::wstring& fallback) = 0;
  virtual void SaveSetting(const std::wstring& application, const std::wstring& section,
                           const std::wstring& key, const std::wstring& value) = 0;

  // Files. The program folder has no trailing separator.
  virtual std::wstring ProgramFolder() = 0;
  // Looks the path's last part up ignoring case among ordinary files (not folders, hidden or
  // system files) and gives the name as stored, or an empty name when there is none.
  virtual std::wstring StoredFileName(const std::wstring& path) = 0;
  // The file's first bytes, at most maxBytes of them (all of a shorter file), so that a huge or
  // endless file costs no more than a small one. Nothing when the file cannot be opened or read:
  // missing, locked by another program, or not readable by the user.
  virtual std::optional<std::string> ReadFileBytes(const std::wstring& path, std::size_t maxBytes) = 0;
  // Writes the bytes beside the file and then puts them in its place in one step, so that a failed
  // write leaves the old file whole and nothing beside it. A read-only file is left as it is: its
  // owner has locked it. False when nothing was replaced.
  virtual bool ReplaceFileContents(const std::wstring& path, std::string_view bytes) = 0;
  // Whether the file can be opened for reading.
  virtual bool FileOpens(const std::wstring& path) = 0;

  // Ends the program at once, running no window's closing step. The fake returns, so callers stop
  // what they were doing right after calling it.
  virtual void EndProgram() = 0;

  virtual LocalTime Now() = 0;
};

}  // namespace chelan
