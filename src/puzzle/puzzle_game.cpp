#include "puzzle/puzzle_game.h"

#include <utility>

namespace chelan {

std::wstring StopwatchCaption(int elapsedSeconds) {
  return std::wstring(L"拼图记时:") + L" " + std::to_wstring(elapsedSeconds) + L" s";
}

PuzzleGame::PuzzleGame(UniformRandom random, int boardSize)
    : board_(boardSize), random_(std::move(random)) {
  NewBoard();
}

BoardState PuzzleGame::State() const {
  if (solved_) return BoardState::Ordered;
  // A minimised window pauses the stopwatch without ending the timed game.
  return stopwatchRunning_ || timerWasRunning_ ? BoardState::TimedGame : BoardState::UntimedGame;
}

void PuzzleGame::NewBoard() {
  windowCaption_ = kPuzzleCaption;
  elapsedSeconds_ = 0;
  stopwatchRunning_ = false;
  timerWasRunning_ = false;
  solved_ = true;
  board_.Arrange(board_.BoardSize());
}

void PuzzleGame::ShuffleBoard() {
  board_.Shuffle(random_);
  solved_ = false;
  // Reached only from a solved board, whose count is already 0; setting it keeps a game's time
  // its own whatever came before.
  elapsedSeconds_ = 0;
  stopwatchRunning_ = true;
}

PuzzleEffects PuzzleGame::cmdButton_MouseDown(int index) {
  PuzzleEffects effects;
  if (!board_.TileVisible(index)) return effects;

  const int oldBlank = board_.BlankIndex();
  if (board_.MoveTile(index)) {
    // The button that now carries the tile takes the focus.
    effects.focus = {FocusRequest::Target::Tile, oldBlank};
    effects.sounds.push_back(SoundEvent::Move);
  }

  // Tested after every click, moved or not: a click on a fixed tile of an ordered board also
  // completes a (silent, unrecorded) win.
  solved_ = board_.IsSolved();
  if (solved_) {
    if (stopwatchRunning_) effects.sounds.push_back(SoundEvent::Win);
    stopwatchRunning_ = false;
    timerWasRunning_ = false;
    // The check reads the count before it goes back to 0; the caption keeps the last time shown.
    effects.bestTimeSeconds = elapsedSeconds_;
    elapsedSeconds_ = 0;
    effects.focus = {FocusRequest::Target::Shuffle, -1};
  }
  return effects;
}

PuzzleEffects PuzzleGame::cmdShuffle_Click() {
  if (solved_) {
    ShuffleBoard();
  } else {
    NewBoard();
  }
  PuzzleEffects effects;
  effects.sounds.push_back(SoundEvent::Action);
  return effects;
}

void PuzzleGame::cmbSize_Click(int boardSize) {
  if (boardSize < kMinBoardSize || boardSize > kMaxBoardSize) return;
  if (boardSize == board_.BoardSize()) return;
  board_.Arrange(boardSize);
  NewBoard();
}

void PuzzleGame::Timer1_Timer() {
  if (!stopwatchRunning_) return;
  ++elapsedSeconds_;
  windowCaption_ = StopwatchCaption(elapsedSeconds_);
}

void PuzzleGame::Form_Resize(bool minimised) {
  if (minimised) {
    // Only the change into the minimised state remembers the stopwatch: a repeated minimised
    // notice would otherwise find it already off and lose the game's timing.
    if (!minimised_) timerWasRunning_ = stopwatchRunning_;
    stopwatchRunning_ = false;
  } else if (timerWasRunning_) {
    stopwatchRunning_ = true;
    // Cleared once used, so that a later restore notice cannot start the stopwatch on a board
    // that was won or reset meanwhile.
    timerWasRunning_ = false;
  }
  minimised_ = minimised;
}

}  // namespace chelan
