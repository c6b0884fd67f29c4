#pragma once
// The puzzle window: one game's tile board, the level list, the stopwatch in the title, the
// best-time table and the sound switch.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "forms/combo_box.h"
#include "forms/control.h"
#include "forms/form.h"
#include "forms/gdi.h"
#include "forms/menu.h"
#include "forms/mouse_down_button.h"
#include "forms/timer.h"
#include "platform/services.h"
#include "puzzle/puzzle_game.h"
#include "puzzle/tile_geometry.h"

namespace chelan {

class frmPuzzle : public forms::Form {
 public:
  // showSkinPage1 brings skin page 1 up without waiting for it; the program wires it in.
  frmPuzzle(Services& services, std::function<void()> showSkinPage1);

  // How skin page 3 opens the window: a closed window is created afresh with a new game at level
  // 3; an open one keeps its game and comes to the front (restored if it was minimised).
  void Open();
  void Load() override;

  // Items of the menu "训练指挥部", by command id.
  enum MenuItem : int { mnuHighScore = 301, mnuSound, mnuExit };

  forms::Label Label2, lblSize, Label1;
  // Tile button p always stands at board position p; only 0 to N² − 1 take part.
  std::array<forms::MouseDownButton, kTileButtons> cmdButton;
  forms::ComboBox cmbSize;
  forms::Button cmdShuffle, Command1;
  forms::Timer Timer1{*this};

  // A press of any mouse button on a tile.
  void cmdButton_MouseDown(int index);
  void cmdShuffle_Click();
  void cmbSize_Click();
  void Command1_Click();
  // One stopwatch second.
  void Timer1_Timer();
  // Pauses the stopwatch on minimising and resumes it on restoring; the focus goes to cmdShuffle.
  void Form_Resize();
  // After a win: a strictly better time is stored with the name asked for in an input box.
  void CheckBestTime(int elapsedSeconds);
  void mnuHighScore_Click();
  void mnuSound_Click();
  void mnuExit_Click();

  // The sound switch: the check mark of mnuSound, its only copy.
  bool SoundSwitch() const;
  // The game of the current opening; nothing while the window is closed.
  const PuzzleGame* Game() const { return game_ ? &*game_ : nullptr; }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  // The board, the window caption, the action caption and the stopwatch as the game has them now.
  void ShowGame();
  void ShowTiles();
  void ShowTileCaptions();
  void SyncStopwatch();
  // Drawing off hides the board's tiles without the cost of hiding each window; on shows them all.
  void SetBoardDrawing(bool on);
  void Apply(const PuzzleEffects& effects);
  void FocusShuffle();
  void FocusShuffleAfterActivation();

  Services& services_;
  std::function<void()> showSkinPage1_;
  std::optional<PuzzleGame> game_;
  // A fresh bar for every opening: an attached bar goes with its window.
  std::unique_ptr<forms::MenuBar> menu_;
  forms::Font tileFont_;
  forms::Font sizeLabelFont_;
  forms::Font plainFont_;
  forms::Brush labelBack_;
  int placedBoardSize_ = 0;
  // The tile numbers the buttons show, -1 where not known: spares reading 81 captions back.
  std::array<int, kTileButtons> shownNumbers_{};
  bool loaded_ = false;
  bool focusShuffleOnActivate_ = false;
};

}  // namespace chelan
