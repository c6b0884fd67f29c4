#include <gtest/gtest.h>

#include "fake_services.h"
#include "puzzle/puzzle_game.h"
#include "puzzle/sound_effects.h"

namespace chelan {
namespace {

using testing::FakeServices;
using testing::PlayedSound;

struct SoundCase {
  SoundEvent event;
  std::wstring path;
};

class SoundEvents : public ::testing::TestWithParam<SoundCase> {};

TEST_P(SoundEvents, PlayTheirFileOnceFromTheProgramFolderOnlyWhileSwitchedOn) {
  FakeServices services;
  services.programFolder = L"D:\\澈岚皮肤";
  RaiseSoundEvent(services, GetParam().event, false);
  EXPECT_TRUE(services.sounds.empty());
  RaiseSoundEvent(services, GetParam().event, true);
  EXPECT_EQ(services.sounds, (std::vector<PlayedSound>{{GetParam().path, false}}));
}

INSTANTIATE_TEST_SUITE_P(Files, SoundEvents,
                         ::testing::Values(SoundCase{SoundEvent::Move, L"D:\\澈岚皮肤\\澈岚1.wav"},
                                           SoundCase{SoundEvent::Win, L"D:\\澈岚皮肤\\澈岚2.wav"},
                                           SoundCase{SoundEvent::Action, L"D:\\澈岚皮肤\\澈岚3.wav"}));

TEST(SoundEvents, AWinningMoveStartsTheMoveSoundThenTheWinSound) {
  // 81 alternating left and right draws leave the 3 × 3 blank one left of its corner.
  PuzzleGame nearlyDone([i = 0]() mutable { return (i++ % 2) ? 0.3 : 0.1; });
  nearlyDone.cmdShuffle_Click();
  FakeServices services;
  for (SoundEvent e : nearlyDone.cmdButton_MouseDown(8).sounds) RaiseSoundEvent(services, e, true);
  EXPECT_EQ(services.sounds, (std::vector<PlayedSound>{{L"C:\\Chelan\\澈岚1.wav", false},
                                                      {L"C:\\Chelan\\澈岚2.wav", false}}));
}

}  // namespace
}  // namespace chelan
