// The fields as edit controls: what typing, pasting and a program's writes
// do to their text, and which notifications the dialog hears of it.
#include <algorithm>
#include <cstring>

#include "contract.h"

namespace {

using Codes = std::vector<int>;

TEST_F(Contract, TextIsReadAsFarAsTheBufferHoldsAndAlwaysEnded) {
  SetText(IDC_RED, "255");
  for (int size : {1, 2, 4, 9}) {
    char text[9];
    std::memset(text, 'x', sizeof text);
    const size_t fits = std::min<size_t>(3, static_cast<size_t>(size) - 1);
    EXPECT_EQ(GetDlgItemTextA(dialog, IDC_RED, text, size), fits) << size;
    EXPECT_EQ(std::string(text), std::string("255", fits)) << size;
  }
  char caption[4];  // a button's text, as far as the buffer holds
  EXPECT_EQ(GetDlgItemTextA(dialog, IDC_SELECT, caption, sizeof caption), 3u);
  EXPECT_EQ(std::string(caption), "Sel");
  char text[4] = "xxx";  // no such control: nothing read, and still ended
  EXPECT_EQ(GetDlgItemTextA(dialog, 9999, text, sizeof text), 0u);
  EXPECT_EQ(std::string(text), "");
  for (int id : {IDC_RED, IDC_SELECT}) {  // no room at all: nothing written
    std::memcpy(text, "xxx", sizeof text);
    EXPECT_EQ(SendDlgItemMessageA(dialog, id, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), 0) << id;
    EXPECT_EQ(GetDlgItemTextA(dialog, id, text, 0), 0u) << id;
    EXPECT_EQ(std::string(text), "xxx") << id;
  }
}

// The caret keys, from the caret's end of the selection: by a character,
// with Ctrl by a word, with Shift keeping the other end.
TEST_F(Contract, CaretKeysMoveTheCaretByCharactersAndWords) {
  SetText(IDC_HUE, "12 45");
  Select(IDC_HUE, 1, 1);
  const struct {
    bool shift, control;
    WPARAM key;
    int start, end;
  } steps[] = {
      {false, false, VK_END, 5, 5},  {false, false, VK_LEFT, 4, 4}, {false, true, VK_LEFT, 3, 3},
      {false, true, VK_LEFT, 0, 0},  {false, false, VK_LEFT, 0, 0}, {false, true, VK_RIGHT, 3, 3},
      {false, false, VK_RIGHT, 4, 4}, {true, false, VK_HOME, 0, 4}, {false, false, VK_HOME, 0, 0},
      {true, false, VK_RIGHT, 0, 1}, {false, false, VK_END, 5, 5}, {false, false, VK_RIGHT, 5, 5},
  };
  for (const auto& step : steps) {
    KeyWith(step.shift, step.control, step.key);
    EXPECT_EQ(Selection(IDC_HUE), static_cast<DWORD>(MAKELONG(step.start, step.end)))
        << step.key << " shift " << step.shift << " ctrl " << step.control;
  }
  EXPECT_EQ(Text(IDC_HUE), "12 45");
}

TEST_F(Contract, WritesIgnoreTheLimitAndTheDigitsOnlyStyleAndAlwaysNotify) {
  SetText(IDC_RED, "12x45");
  EXPECT_EQ(Text(IDC_RED), "12x45");
  Forget();
  SetText(IDC_RED, "12x45");
  EXPECT_EQ(CodesFrom(IDC_RED), (Codes{EN_UPDATE, EN_CHANGE}));
  // A deletion that leaves the text past the limit says so, as any
  // input that ends past it does.
  Select(IDC_RED, 0, 1);
  Forget();
  SendDlgItemMessageA(dialog, IDC_RED, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(IDC_RED), "2x45");
  EXPECT_EQ(CodesFrom(IDC_RED), (Codes{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
  SetText(IDC_RED, "12x45");
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
  Forget();
  Char(IDC_GREEN, '3');  // up to the limit, not past it
  EXPECT_EQ(CodesFrom(IDC_GREEN), (Codes{EN_UPDATE, EN_CHANGE}));
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

// The edit control's keys that edit without typing: Delete deletes the
// selection or the next character, Ctrl+Delete to the end; Shift+Delete
// cuts the selection, or with none deletes the character before the caret;
// Ctrl+Insert copies and Shift+Insert pastes; Ctrl+Backspace does nothing.
TEST_F(Contract, DeleteAndInsertKeysCutCopyPasteAndDeleteAsTheEditControlBindsThem) {
  SetText(IDC_RED, "123");
  Select(IDC_RED, 0, 1);
  Forget();
  KeyWith(true, false, VK_DELETE);  // Shift+Delete
  EXPECT_EQ(Text(IDC_RED), "23");
  EXPECT_EQ(ClipboardText(), "1");
  EXPECT_EQ(CodesFrom(IDC_RED), (Codes{EN_UPDATE, EN_CHANGE}));
  Select(IDC_RED, 1, 1);
  KeyWith(true, false, VK_DELETE);  // no selection: the character before
  EXPECT_EQ(Text(IDC_RED), "3");
  EXPECT_EQ(ClipboardText(), "1");  // and nothing copied
  SetText(IDC_RED, "456");
  Select(IDC_RED, 1, 2);
  KeyWith(false, true, VK_INSERT);  // Ctrl+Insert
  EXPECT_EQ(ClipboardText(), "5");
  Select(IDC_RED, 1, 3);
  KeyWith(false, true, VK_INSERT);
  EXPECT_EQ(ClipboardText(), "56");
  EXPECT_EQ(Text(IDC_RED), "456");
  Select(IDC_RED, 0, 1);
  KeyWith(true, false, VK_INSERT);  // Shift+Insert, cut to the limit
  EXPECT_EQ(Text(IDC_RED), "556");
  Select(IDC_RED, 0, 0);
  Key(VK_DELETE);
  EXPECT_EQ(Text(IDC_RED), "56");
  SetText(IDC_RED, "789");
  Select(IDC_RED, 1, 1);
  KeyWith(false, true, VK_DELETE);  // Ctrl+Delete
  EXPECT_EQ(Text(IDC_RED), "7");
  Char(IDC_RED, 0x7F);  // Ctrl+Backspace's character deletes nothing
  EXPECT_EQ(Text(IDC_RED), "7");
}

// A character is a whole code point, never cut to a byte: U+0131 is not
// the digit 1 (0x31).
TEST_F(Contract, TypedCharactersBeyondAByteAreWholeAndNotDigits) {
  SetText(IDC_SATURATION, "");
  Select(IDC_SATURATION, 0, 0);
  Forget();
  SendDlgItemMessageA(dialog, IDC_SATURATION, WM_CHAR, '7', 1);
  SendMessageW(Item(IDC_SATURATION), WM_CHAR, 0x0131, 1);
  SendMessageW(Item(IDC_SATURATION), WM_CHAR, 0x0667, 1);  // ARABIC-INDIC DIGIT SEVEN
  EXPECT_EQ(Text(IDC_SATURATION), "7");
  EXPECT_EQ(CodesFrom(IDC_SATURATION), (Codes{EN_UPDATE, EN_CHANGE}));
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
  // After an edit, Ctrl+Z takes it back.
  Char(IDC_HUE, '5');
  Char(IDC_HUE, 0x1A);
  EXPECT_EQ(Text(IDC_HUE), "87");
}

}  // namespace
