// Long seeded runs of what a user might do, checking after every action what
// must always hold. RGBHSV_SEED=n reruns one seed.
#include <cstdio>
#include <cstdlib>
#include <random>

#include "../conversion/convert_helpers.h"
#include "dialog_fixture.h"

namespace {

class RandomActions : public DialogTest {
 protected:
  struct Reading {
    UINT number;
    BOOL isNumber;
    bool operator!=(const Reading& o) const { return number != o.number || isNumber != o.isNumber; }
  };
  static Reading ReadingOf(HWND dialog, int id) {
    Reading r{0, FALSE};
    r.number = GetDlgItemInt(dialog, id, &r.isNumber, FALSE);
    return r;
  }

  // What the fields read as the current action began, and after each
  // change since (a paste that waited is followed by the next action).
  static Reading before[6];
  // Told of the user's entries as the dialog is: notifications that arrive
  // while no command is being handled. One whose field reads as it did
  // before entered nothing.
  static int depth;
  static int entriesAbove255;
  static int lastEditedGroup;  // 0 RGB, 1 HSV

  static INT_PTR CALLBACK CountingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && id >= IDC_RED && id <= IDC_VALUE) {
      const Reading now = ReadingOf(dialog, id);
      if (updating == 0 && depth == 0 && now != before[id - IDC_RED]) {
        lastEditedGroup = id >= IDC_HUE;
        if (now.isNumber && now.number > 255) ++entriesAbove255;
      }
      before[id - IDC_RED] = now;
    }
    ++depth;
    const INT_PTR result = Proc(dialog, message, wParam, lParam);
    --depth;
    return result;
  }

  static UINT Read(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

  // The group the user did not last enter a number into must show the
  // conversion of the one they did (an empty field or other text reads as 0).
  void ExpectGroupsAgree() {
    const ColorState saved = colorState;
    const UINT a = Read(dialog, kFieldIds[lastEditedGroup * 3]);
    const UINT b = Read(dialog, kFieldIds[lastEditedGroup * 3 + 1]);
    const UINT c = Read(dialog, kFieldIds[lastEditedGroup * 3 + 2]);
    const Triple other = lastEditedGroup == 0 ? Hsv(uint8_t(a), uint8_t(b), uint8_t(c))
                                              : Rgb(int32_t(a), int32_t(b), int32_t(c));
    colorState = saved;
    // As numbers: a field the user typed "-0" into, say, where it showed 0
    // before, entered nothing and keeps its text.
    const int first = lastEditedGroup == 0 ? 3 : 0;
    ASSERT_EQ(Read(dialog, kFieldIds[first]), other.a) << Shown()[first];
    ASSERT_EQ(Read(dialog, kFieldIds[first + 1]), other.b) << Shown()[first + 1];
    ASSERT_EQ(Read(dialog, kFieldIds[first + 2]), other.c) << Shown()[first + 2];
  }

  void Run(uint32_t seed, int actions);
};

RandomActions::Reading RandomActions::before[6];
int RandomActions::depth = 0;
int RandomActions::entriesAbove255 = 0;
int RandomActions::lastEditedGroup = 0;

void RandomActions::Run(uint32_t seed, int actions) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " (rerun with RGBHSV_SEED=" + std::to_string(seed) + ")");
  Start(CountingProc);
  entriesAbove255 = 0;
  lastEditedGroup = 0;  // the start-up converted the RGB group last

  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
  const char pasteable[] = "0123456789 +-ax9";
  bool pasteWaits = false;  // the clipboard's owner answers after the next action
  for (int step = 0; step < actions; ++step) {
    bool chose = false;
    for (int i = 0; i < 6; ++i) before[i] = ReadingOf(dialog, kFieldIds[i]);
    const int field = kFieldIds[pick(6)];
    switch (pick(8)) {
      case 0: user::ClickInto(dialog, field); break;
      case 1: user::SelectAll(dialog, field); break;
      case 2:
      case 3: user::Type(dialog, std::string(1, char('0' + pick(10)))); break;
      case 4: user::Type(dialog, "\b"); break;
      case 5: {
        std::string text;
        for (int n = pick(5); n > 0; --n) text += pasteable[pick(sizeof pasteable - 1)];
        standin::SetPasteAnswer(pick(4) == 0 ? standin::PasteAnswer::Late : standin::PasteAnswer::AtOnce);
        user::Paste(dialog, text);
        break;
      }
      case 6: user::Empty(dialog, field); break;
      case 7: {
        const COLORREF color = random() & 0xFFFFFF;
        const bool accept = pick(2) == 0;
        user::SetChooser([=](CHOOSECOLORA& r) {
          if (accept) r.rgbResult = color;
          return accept ? TRUE : FALSE;
        });
        user::Click(dialog, IDC_SELECT);
        chose = accept;
        break;
      }
    }
    if (pasteWaits) {
      ASSERT_TRUE(standin::AnswerPaste()) << "step " << step;
    }
    if (chose) lastEditedGroup = 0;
    pasteWaits = standin::Busy();
    if (pasteWaits) continue;  // the next action waits behind it
    ASSERT_EQ(updating, 0) << "step " << step;
    for (int id : kFieldIds) {
      BOOL translated = FALSE;
      const UINT shown = GetDlgItemInt(dialog, id, &translated, FALSE);
      ASSERT_FALSE(translated && shown > 255) << "step " << step << " field " << id;
    }
    ASSERT_EQ(user::BeepCount(MB_ICONEXCLAMATION), entriesAbove255) << "step " << step;
    ASSERT_EQ(user::Beeps().size(), size_t(entriesAbove255)) << "step " << step;
    ASSERT_NO_FATAL_FAILURE(ExpectGroupsAgree()) << "step " << step;
  }
}

TEST_F(RandomActions, InvariantsHoldAfterEveryAction) {
  if (const char* seed = std::getenv("RGBHSV_SEED")) {
    Run(static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)), 25000);
    std::printf("25000 actions with seed %s\n", seed);
    return;
  }
  constexpr uint32_t kSeeds = 40;
  constexpr int kActions = 25000;
  uint32_t seed = 1;
  for (; seed <= kSeeds && !HasFatalFailure(); ++seed) Run(seed, kActions);
  std::printf("%d actions: %u seeds of %d\n", int(seed - 1) * kActions, seed - 1, kActions);
}

}  // namespace
