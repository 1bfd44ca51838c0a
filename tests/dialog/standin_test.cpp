// What the stand-in does where the dialog depends on Windows' behaviour.
// Each expectation was checked against Wine 8 with a small Win32 program.
#include "dialog_fixture.h"

namespace {

using StandinTest = DialogTest;

TEST_F(StandinTest, GetDlgItemIntReadsAsWineDoes) {
  const struct {
    const char* text;
    UINT number;
    BOOL translated;
  } cases[] = {
      {"", 0, FALSE},        {"0", 0, TRUE},          {"12", 12, TRUE},
      {"12a", 12, TRUE},     {"a12", 0, FALSE},       {" 12", 12, TRUE},
      {"+5", 5, TRUE},       {"-1", 4294967295u, TRUE}, {"007", 7, TRUE},
      {"4294967295", 4294967295u, TRUE}, {"4294967296", 0, FALSE}, {"-4294967296", 0, FALSE},
  };
  HWND red = GetDlgItem(dialog, IDC_RED);
  updating = 1;  // keep the handler out of it
  for (const auto& c : cases) {
    SendMessageA(red, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
    BOOL translated = 7;
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_RED, &translated, FALSE), c.number) << c.text;
    EXPECT_EQ(translated, c.translated) << c.text;
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_RED, nullptr, FALSE), c.number) << c.text;
  }
}

TEST_F(StandinTest, EveryWriteNotifiesBeforeItReturnsEvenWithTheSameText) {
  updating = 1;
  SetDlgItemInt(dialog, IDC_RED, 5, FALSE);
  SetDlgItemInt(dialog, IDC_RED, 5, FALSE);
  int changes = 0;
  for (const auto& s : seen) changes += s.id == IDC_RED && s.code == EN_CHANGE;
  EXPECT_EQ(changes, 2);
  // Neither the limit nor ES_NUMBER holds a program's own write back.
  SendDlgItemMessageA(dialog, IDC_RED, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12x45"));
  EXPECT_EQ(standin::Text(dialog, IDC_RED), "12x45");
}

TEST_F(StandinTest, TypedInputIsHeldToDigitsAndTheLimitButPastedTextOnlyToTheLimit) {
  updating = 1;
  standin::Empty(dialog, IDC_RED);
  standin::Type(dialog, "1x2");
  EXPECT_EQ(standin::Text(dialog, IDC_RED), "12");
  seen.clear();
  standin::Type(dialog, "34");
  EXPECT_EQ(standin::Text(dialog, IDC_RED), "123");
  // The refused fourth digit: EN_MAXTEXT, and (as in Wine) a change
  // notification although nothing changed.
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[seen.size() - 3].code, EN_MAXTEXT);
  EXPECT_EQ(seen.back().code, EN_CHANGE);

  standin::Empty(dialog, IDC_RED);
  standin::Paste(dialog, "a5678");
  EXPECT_EQ(standin::Text(dialog, IDC_RED), "a56");

  // Backspace with nothing before the caret changes nothing and says nothing.
  standin::SelectAll(dialog, IDC_RED);
  SendDlgItemMessageA(dialog, IDC_RED, EM_SETSEL, 0, 0);
  seen.clear();
  standin::Type(dialog, "\b");
  EXPECT_TRUE(seen.empty());
}

TEST_F(StandinTest, WritingAFieldPutsTheCaretAtItsStart) {
  updating = 1;
  standin::TypeInto(dialog, IDC_RED, "\b\b\b4");
  SetDlgItemInt(dialog, IDC_RED, 25, FALSE);
  standin::Type(dialog, "1");
  EXPECT_EQ(standin::Text(dialog, IDC_RED), "125");
}

}  // namespace
