// The fields as edit controls: what typing, pasting and a program's writes
// do to their text, and which notifications the dialog hears of it.
#include "contract.h"

namespace {

using Codes = std::vector<int>;

TEST_F(Contract, WritesIgnoreTheLimitAndTheDigitsOnlyStyleAndAlwaysNotify) {
  SetText(IDC_RED, "12x45");
  EXPECT_EQ(Text(IDC_RED), "12x45");
  Forget();
  SetText(IDC_RED, "12x45");
  EXPECT_EQ(CodesFrom(IDC_RED), (Codes{EN_UPDATE, EN_CHANGE}));
  // A write puts the caret at the start.
  SetFocus(Item(IDC_RED));
  SetText(IDC_RED, "25");
  Char(IDC_RED, '1');
  EXPECT_EQ(Text(IDC_RED), "125");
}

TEST_F(Contract, TypingTakesDigitsOnlyUpToTheLimitOneChangeAKeystroke) {
  Select(IDC_GREEN, 0, -1);
  Forget();
  Char(IDC_GREEN, '1');  // over the selection: replaces it
  Char(IDC_GREEN, 'x');  // refused without a word
  Char(IDC_GREEN, '2');
  EXPECT_EQ(Text(IDC_GREEN), "12");
  EXPECT_EQ(CodesFrom(IDC_GREEN), (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
  Char(IDC_GREEN, '3');
  Forget();
  Char(IDC_GREEN, '4');  // a fourth character does not fit
  EXPECT_EQ(Text(IDC_GREEN), "123");
  // Refused at the limit: EN_MAXTEXT, and then a change notification
  // although nothing changed.
  EXPECT_EQ(CodesFrom(IDC_GREEN), (Codes{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));

  // Typing over a selection is one edit.
  Select(IDC_GREEN, 1, 3);
  Forget();
  Char(IDC_GREEN, '9');
  EXPECT_EQ(Text(IDC_GREEN), "19");
  EXPECT_EQ(CodesFrom(IDC_GREEN), (Codes{EN_UPDATE, EN_CHANGE}));

  // Backspace deletes before the caret; with nothing there it says nothing.
  Select(IDC_GREEN, 1, 1);
  Forget();
  Char(IDC_GREEN, '\b');
  EXPECT_EQ(Text(IDC_GREEN), "9");
  EXPECT_EQ(CodesFrom(IDC_GREEN), (Codes{EN_UPDATE, EN_CHANGE}));
  Forget();
  Char(IDC_GREEN, '\b');
  EXPECT_EQ(Text(IDC_GREEN), "9");
  EXPECT_EQ(CodesFrom(IDC_GREEN), Codes{});
}

TEST_F(Contract, PasteIsCutToTheLimitButNotHeldToDigits) {
  Select(IDC_BLUE, 0, -1);
  Forget();
  Paste(IDC_BLUE, "a5678");
  EXPECT_EQ(Text(IDC_BLUE), "a56");
  EXPECT_EQ(CodesFrom(IDC_BLUE), (Codes{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
  // Select all, then clear: the field is empty.
  Select(IDC_BLUE, 0, -1);
  Forget();
  SendDlgItemMessageA(dialog, IDC_BLUE, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(IDC_BLUE), "");
  EXPECT_EQ(CodesFrom(IDC_BLUE), (Codes{EN_UPDATE, EN_CHANGE}));
}

// Ctrl+Z (the character 0x1A) with nothing to undo leaves the text as it is,
// yet notifies a change.
TEST_F(Contract, UndoWithNothingToUndoChangesNothingButNotifies) {
  SetText(IDC_HUE, "87");
  Select(IDC_HUE, 0, -1);
  Forget();
  Char(IDC_HUE, 0x1A);
  EXPECT_EQ(Text(IDC_HUE), "87");
  EXPECT_EQ(CodesFrom(IDC_HUE), Codes{EN_CHANGE});
}

}  // namespace
