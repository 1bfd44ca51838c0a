// The modal dialog box: made from its template, initialised before it is
// shown, ended with a result.
#include <algorithm>

#include "contract.h"

namespace {

struct Modal {
  static std::vector<UINT> before;  // messages before WM_INITDIALOG
  static std::vector<UINT> after;
  static bool initialised;
  static bool visibleWhileInitialising;
  static LPARAM param;

  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
      (initialised ? after : before).push_back(message);
      return FALSE;
    }
    initialised = true;
    visibleWhileInitialising = IsWindowVisible(dialog) != 0;
    param = lParam;
    EndDialog(dialog, 42);
    return TRUE;
  }
};
std::vector<UINT> Modal::before;
std::vector<UINT> Modal::after;
bool Modal::initialised;
bool Modal::visibleWhileInitialising;
LPARAM Modal::param;

TEST(DialogBoxContract, InitialisesBeforeShowingAndReturnsWhatEndDialogWasGiven) {
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONVERTER),
                                         nullptr, Modal::Proc, 77);
  EXPECT_EQ(result, 42);
  EXPECT_TRUE(Modal::initialised);
  EXPECT_FALSE(Modal::visibleWhileInitialising);
  EXPECT_EQ(Modal::param, 77);
  // Before WM_INITDIALOG at most the font arrives: nothing is shown, painted
  // or commanded.
  for (UINT m : Modal::before) EXPECT_EQ(m, UINT(WM_SETFONT)) << std::hex << m;
  // Ended while initialising, it is never shown: nothing is painted.
  for (UINT m : {WM_PAINT, WM_ERASEBKGND}) {
    EXPECT_EQ(std::count(Modal::after.begin(), Modal::after.end(), m), 0) << std::hex << m;
  }
}

TEST(DialogBoxContract, ATemplateThatDoesNotExistGivesMinusOne) {
  Modal::initialised = false;
  EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4242), nullptr, Modal::Proc, 0), -1);
  EXPECT_FALSE(Modal::initialised);
}

}  // namespace
