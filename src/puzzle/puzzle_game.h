#pragma once
// One opening of the puzzle window without the window: the board, its three states, the stopwatch
// count, the window and action-button captions, and what each click asks the window to do.
#include <optional>
#include <string>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/sound_effects.h"
#include "puzzle/uniform_random.h"

namespace chelan {

inline constexpr wchar_t kPuzzleCaption[] = L"澈岚拼图训练营";
inline constexpr wchar_t kShuffleCaption[] = L"重 拼";  // the next click of the action button shuffles
inline constexpr wchar_t kResetCaption[] = L"刷 新";    // the next click resets
inline constexpr int kOpeningBoardSize = 3;

enum class BoardState {
  Ordered,      // solved, stopwatch off
  TimedGame,    // shuffled, stopwatch on (or paused while the window is minimised)
  UntimedGame,  // moved out of order without a shuffle, stopwatch off: no record possible
};

// Where the keyboard focus goes after an operation.
struct FocusRequest {
  enum class Target { Unchanged, Tile, Shuffle };
  Target target = Target::Unchanged;
  int tile = -1;
  bool operator==(const FocusRequest&) const = default;
};

// What the window does after a click, besides showing the model's new state. Order of the steps:
// the tiles' captions and visibility first, then the sounds, then the stopwatch, then the
// best-time check, and last the action caption and the focus.
struct PuzzleEffects {
  // Raised in this order; each plays only while the sound switch is on.
  std::vector<SoundEvent> sounds;
  // Present when the win sequence ran: CheckBestTime with these seconds and BoardSize(). It runs
  // on every win, and records nothing for 0 seconds.
  std::optional<int> bestTimeSeconds;
  FocusRequest focus;
};

// The stopwatch caption after a tick: "拼图记时: 15 s".
std::wstring StopwatchCaption(int elapsedSeconds);

// The window holds one of these per opening, maps its buttons onto the queries and sets its timer
// from StopwatchRunning() after every call.
class PuzzleGame {
 public:
  // Ready as after the window has loaded: a solved board of the opening size, stopwatch off.
  explicit PuzzleGame(UniformRandom random, int boardSize = kOpeningBoardSize);

  // Board queries for buttons 0 to 80.
  int BoardSize() const { return board_.BoardSize(); }
  int BlankIndex() const { return board_.BlankIndex(); }
  int TileSize() const { return board_.TileSize(); }
  std::wstring Caption(int position) const { return board_.Caption(position); }
  bool TileVisible(int position) const { return board_.TileVisible(position); }
  TilePlacement Placement(int position) const { return board_.Placement(position); }
  const Board& Tiles() const { return board_; }

  bool Solved() const { return solved_; }
  BoardState State() const;
  bool StopwatchRunning() const { return stopwatchRunning_; }
  int ElapsedSeconds() const { return elapsedSeconds_; }
  const std::wstring& WindowCaption() const { return windowCaption_; }
  const wchar_t* ActionCaption() const { return solved_ ? kShuffleCaption : kResetCaption; }

  // Solved order at the current size, stopwatch off and at 0, caption "澈岚拼图训练营".
  void NewBoard();
  // The random walk, then the stopwatch on. The window need not draw anything in between.
  void ShuffleBoard();
  bool IsSolved() const { return board_.IsSolved(); }

  // A press of any mouse button on tile button Index: the move rule, the solved test and, on a
  // solved board, the win sequence. A press on a hidden button is no click and does nothing.
  PuzzleEffects cmdButton_MouseDown(int index);
  // Shuffles a solved board and resets any other, then the action sound.
  PuzzleEffects cmdShuffle_Click();
  // A level from the list: a different one resets the board at that size; the same one, or one
  // outside 2 to 9, changes nothing.
  void cmbSize_Click(int boardSize);
  // One stopwatch second; the caption shows the count. A tick that arrives after the stopwatch
  // stopped is ignored, so a late timer message cannot carry a second into the next game.
  void Timer1_Timer();
  // Minimising pauses a running stopwatch; restoring resumes it only if minimising paused it.
  void Form_Resize(bool minimised);

 private:
  Board board_;
  UniformRandom random_;
  bool solved_ = true;
  bool stopwatchRunning_ = false;
  bool timerWasRunning_ = false;
  bool minimised_ = false;
  int elapsedSeconds_ = 0;
  std::wstring windowCaption_;
};

}  // namespace chelan
