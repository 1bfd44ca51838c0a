// The keyboard through the dialog manager: Tab, Shift+Tab, Escape, Enter
// and Space.
#include "contract.h"

namespace {

TEST_F(Contract, TabVisitsTheTabStopsInTemplateOrderSelectingAFieldsText) {
  EXPECT_EQ(FocusId(), IDC_SELECT);  // the first tab stop, as the dialog opened
  SetText(IDC_RED, "255");
  std::vector<int> visited;
  for (int i = 0; i < 7; ++i) {
    Key(VK_TAB);
    visited.push_back(FocusId());
    if (FocusId() == IDC_RED) {
      EXPECT_EQ(Selection(IDC_RED), DWORD(MAKELONG(0, 3)));
    }
  }
  EXPECT_EQ(visited, (std::vector<int>{IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION,
                                       IDC_VALUE, IDC_SELECT}));
  // With Shift held, backwards, wrapping, and selecting a field's text too.
  BYTE keys[256] = {};
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  SetText(IDC_VALUE, "255");
  Key(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_VALUE);
  EXPECT_EQ(Selection(IDC_VALUE), DWORD(MAKELONG(0, 3)));
  Key(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_SATURATION);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

// A key for a window that is gone is not the dialog's.
TEST_F(Contract, AKeyForADestroyedControlIsNotTheDialogs) {
  HWND gone = Item(IDC_VALUE);
  ASSERT_TRUE(DestroyWindow(gone));
  MSG msg = {};
  msg.hwnd = gone;
  msg.message = WM_KEYDOWN;
  msg.wParam = VK_ESCAPE;
  Forget();
  EXPECT_FALSE(IsDialogMessageA(dialog, &msg));
  EXPECT_TRUE(commands.empty());
}

TEST_F(Contract, EscapeIsTheCancelCommandAndEnterInAFieldTheOkCommand) {
  Key(VK_ESCAPE);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].id, IDCANCEL);
  EXPECT_EQ(commands[0].code, 0);
  Key(VK_TAB);  // into the red field
  Forget();
  Key(VK_RETURN);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].id, IDOK);
  EXPECT_EQ(commands[0].code, 0);
}

TEST_F(Contract, EnterOrSpaceOnTheFocusedButtonPressesIt) {
  // Right after the dialog opens, Windows has made the focused first tab
  // stop the default button, so Enter presses it. Wine 8 does not: it sends
  // IDOK.
  Key(VK_RETURN);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].id, RunningOnWine() ? IDOK : IDC_SELECT);
  // Brought back to the button with Tab, Enter presses it everywhere.
  for (int i = 0; i < 7; ++i) Key(VK_TAB);
  ASSERT_EQ(FocusId(), IDC_SELECT);
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    Forget();
    Key(key);
    ASSERT_EQ(commands.size(), 1u) << key;
    EXPECT_EQ(commands[0].id, IDC_SELECT) << key;
    EXPECT_EQ(commands[0].code, BN_CLICKED) << key;
    EXPECT_EQ(commands[0].control, Item(IDC_SELECT)) << key;
  }
  // Space clicks when it is released, and only Space's release does.
  Forget();
  SendMessageA(Item(IDC_SELECT), WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageA(Item(IDC_SELECT), WM_KEYUP, VK_SHIFT, 0xC02A0001);
  EXPECT_TRUE(commands.empty());
  SendMessageA(Item(IDC_SELECT), WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(commands.size(), 1u);
}

}  // namespace
