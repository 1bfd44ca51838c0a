// Long seeded runs of what a user might do, checking after every action what
// must always hold. RGBHSV_SEED=n reruns one seed.
#include <cstdlib>
#include <random>

#include "../conversion/convert_helpers.h"
#include "dialog_fixture.h"

namespace {

class RandomActions : public DialogTest {
 protected:
  // Counts the user's entries above 255 as the dialog is told of them:
  // notifications that arrive while no command is being handled.
  static int depth;
  static int entriesAbove255;
  static int lastEditedGroup;  // 0 RGB, 1 HSV

  static INT_PTR CALLBACK CountingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && updating == 0 && depth == 0 &&
        id >= IDC_RED && id <= IDC_VALUE) {
      BOOL translated = FALSE;
      if (GetDlgItemInt(dialog, id, &translated, FALSE) > 255 && translated) ++entriesAbove255;
      lastEditedGroup = id >= IDC_HUE;
    }
    ++depth;
    const INT_PTR result = Proc(dialog, message, wParam, lParam);
    --depth;
    return result;
  }

  static UINT Read(HWND dialog, int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); }

  // The group the user did not edit must show the conversion of the one they
  // did, whatever its fields hold (an empty field or other text reads as 0).
  void ExpectGroupsAgree() {
    const ColorState saved = colorState;
    const UINT a = Read(dialog, kFieldIds[lastEditedGroup * 3]);
    const UINT b = Read(dialog, kFieldIds[lastEditedGroup * 3 + 1]);
    const UINT c = Read(dialog, kFieldIds[lastEditedGroup * 3 + 2]);
    const Triple other = lastEditedGroup == 0 ? Hsv(uint8_t(a), uint8_t(b), uint8_t(c))
                                              : Rgb(int32_t(a), int32_t(b), int32_t(c));
    colorState = saved;
    const Fields shown = Shown();
    const int first = lastEditedGroup == 0 ? 3 : 0;
    ASSERT_EQ(shown[first], std::to_string(other.a));
    ASSERT_EQ(shown[first + 1], std::to_string(other.b));
    ASSERT_EQ(shown[first + 2], std::to_string(other.c));
  }

  void Run(uint32_t seed, int actions);
};

int RandomActions::depth = 0;
int RandomActions::entriesAbove255 = 0;
int RandomActions::lastEditedGroup = 0;

void RandomActions::Run(uint32_t seed, int actions) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " (rerun with RGBHSV_SEED=" + std::to_string(seed) + ")");
  Start(CountingProc);
  entriesAbove255 = 0;
  lastEditedGroup = 1;  // the last start-up write was the value field

  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
  const char pasteable[] = "0123456789 +-ax9";
  for (int step = 0; step < actions; ++step) {
    const int field = kFieldIds[pick(6)];
    switch (pick(8)) {
      case 0: standin::ClickInto(dialog, field); break;
      case 1: standin::SelectAll(dialog, field); break;
      case 2:
      case 3: standin::Type(dialog, std::string(1, char('0' + pick(10)))); break;
      case 4: standin::Type(dialog, "\b"); break;
      case 5: {
        std::string text;
        for (int n = pick(5); n > 0; --n) text += pasteable[pick(sizeof pasteable - 1)];
        standin::Paste(dialog, text);
        break;
      }
      case 6: standin::Empty(dialog, field); break;
      case 7: {
        const COLORREF color = random() & 0xFFFFFF;
        const bool accept = pick(2) == 0;
        standin::SetChooser([=](CHOOSECOLORA& r) {
          if (accept) r.rgbResult = color;
          return accept ? TRUE : FALSE;
        });
        standin::Click(dialog, IDC_SELECT);
        if (accept) lastEditedGroup = 0;
        break;
      }
    }
    ASSERT_EQ(updating, 0) << "step " << step;
    for (int id : kFieldIds) {
      BOOL translated = FALSE;
      const UINT shown = GetDlgItemInt(dialog, id, &translated, FALSE);
      ASSERT_FALSE(translated && shown > 255) << "step " << step << " field " << id;
    }
    ASSERT_EQ(standin::BeepCount(MB_ICONEXCLAMATION), entriesAbove255) << "step " << step;
    ASSERT_EQ(standin::Beeps().size(), size_t(entriesAbove255)) << "step " << step;
    ASSERT_NO_FATAL_FAILURE(ExpectGroupsAgree()) << "step " << step;
  }
}

TEST_F(RandomActions, InvariantsHoldAfterEveryAction) {
  if (const char* seed = std::getenv("RGBHSV_SEED")) {
    Run(static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)), 5000);
    return;
  }
  for (uint32_t seed = 1; seed <= 40 && !HasFatalFailure(); ++seed) Run(seed, 2000);
}

}  // namespace
