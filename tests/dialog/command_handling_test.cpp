#include <cstdio>

#include "dialog_fixture.h"
#include "shared/dialog_manager.h"

namespace {

using CommandHandling = DialogTest;

TEST_F(CommandHandling, StartsWhiteThroughTheOrdinaryHandling) {
  EXPECT_EQ(Shown(), (Fields{"255", "255", "255", "0", "0", "255"}));
  EXPECT_EQ(colorState.fieldRed + colorState.fieldGreen + colorState.fieldBlue, 765u);
}

TEST_F(CommandHandling, TypingIntoRedConvertsAfterEveryKeystroke) {
  user::Empty(dialog, IDC_RED);
  EXPECT_EQ(Shown(), (Fields{"", "255", "255", "128", "255", "255"}));  // red counts as 0
  user::Type(dialog, "3");
  EXPECT_EQ(Shown(), (Fields{"3", "255", "255", "128", "252", "255"}));
  user::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"30", "255", "255", "128", "225", "255"}));
  EXPECT_EQ(user::BeepCount(MB_ICONEXCLAMATION), 0);
  user::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"255", "255", "255", "0", "0", "255"}));
  EXPECT_EQ(user::Beeps(), (std::vector<UINT>{MB_ICONEXCLAMATION}));
}

TEST_F(CommandHandling, EmptiedFieldStaysEmptyAndCountsAsZero) {
  user::Empty(dialog, IDC_GREEN);
  user::Empty(dialog, IDC_BLUE);
  EXPECT_EQ(Shown(), (Fields{"255", "", "", "0", "255", "255"}));
  EXPECT_EQ(colorState.fieldGreen, 0u);
  user::Empty(dialog, IDC_VALUE);
  EXPECT_EQ(Shown(), (Fields{"0", "0", "0", "0", "255", ""}));
}

TEST_F(CommandHandling, EveryFieldAnswersNumbersAbove255WithABeepAnd255) {
  int beeps = 0;
  for (int id : kFieldIds) {
    for (const char* entry : {"256", "300", "999", "255"}) {
      user::SelectAll(dialog, id);
      user::Type(dialog, entry);
      if (std::string(entry) != "255") ++beeps;
      EXPECT_EQ(user::Text(dialog, id), "255") << id << " " << entry;
      EXPECT_EQ(user::BeepCount(MB_ICONEXCLAMATION), beeps) << id << " " << entry;
    }
  }
  EXPECT_EQ(user::Beeps().size(), size_t(beeps));  // no beep of any other kind
  // The value field was edited last: the RGB group shows hue 255 at full
  // saturation and value.
  EXPECT_EQ(Shown(), (Fields{"255", "0", "6", "255", "255", "255"}));
}

TEST_F(CommandHandling, AnOutOfRangeEntryConvertsAsIf255HadBeenTyped) {
  user::SelectAll(dialog, IDC_SATURATION);
  user::Type(dialog, "255");
  user::SelectAll(dialog, IDC_HUE);
  user::Type(dialog, "85");
  const Fields after85 = Shown();
  seen.clear();
  const size_t writesBefore = user::Writes().size();
  user::Type(dialog, "0");  // 850
  // The keystroke, then the rewrite to 255 inside it: two conversions, each
  // publishing three numbers; and the rewrite itself.
  EXPECT_EQ(Conversions(), 2);
  EXPECT_EQ(user::Writes().size() - writesBefore, 7u);
  EXPECT_EQ(user::Writes()[writesBefore].id, IDC_HUE);
  EXPECT_EQ(user::Writes()[writesBefore].value, 255u);
  EXPECT_EQ(Shown()[3], "255");
  EXPECT_NE(Shown(), after85);
  EXPECT_EQ(Shown(), (Fields{"255", "0", "6", "255", "255", "255"}));
}

TEST_F(CommandHandling, OneKeystrokeRunsOneConversionAndItsWritesStartNone) {
  user::ClickInto(dialog, IDC_GREEN);
  user::Type(dialog, "\b");
  EXPECT_EQ(Conversions(), 1);
  // The three publishing writes did notify, and were ignored.
  int ignored = 0;
  for (const auto& s : seen) ignored += s.code == EN_CHANGE && s.updating == 1;
  EXPECT_EQ(ignored, 3);
  EXPECT_EQ(updating, 0);
  EXPECT_EQ(user::PaintCount(dialog, IDC_SWATCH) > 0, true);
  EXPECT_EQ(user::PaintCount(dialog, 0), 1);  // the dialog's own client area, once, when shown
  // The field being edited is never rewritten; the other group always is.
  const auto& w = user::Writes();
  ASSERT_GE(w.size(), 3u);
  EXPECT_EQ(w[w.size() - 3].id, IDC_HUE);
  EXPECT_EQ(w[w.size() - 2].id, IDC_SATURATION);
  EXPECT_EQ(w[w.size() - 1].id, IDC_VALUE);
  EXPECT_EQ(Shown(), (Fields{"255", "25", "255", "213", "230", "255"}));
}

TEST_F(CommandHandling, HsvEditsWriteTheRgbGroup) {
  user::SelectAll(dialog, IDC_SATURATION);
  user::Type(dialog, "192");
  user::SelectAll(dialog, IDC_VALUE);
  user::Type(dialog, "200");
  user::SelectAll(dialog, IDC_HUE);
  user::Type(dialog, "15");
  EXPECT_EQ(Shown(), (Fields{"200", "102", "49", "15", "192", "200"}));
  // Hue at saturation 0 leaves the same grey.
  user::SelectAll(dialog, IDC_SATURATION);
  user::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"200", "200", "200", "15", "0", "200"}));
  const size_t before = user::Writes().size();
  user::ClickInto(dialog, IDC_HUE);
  user::Type(dialog, "\b");
  EXPECT_EQ(user::Writes().size() - before, 3u);
  EXPECT_EQ(Shown(), (Fields{"200", "200", "200", "1", "0", "200"}));
}

// The conversion is not invertible: converting back a group that the user
// did not change would move the color. A notification from a field that
// reads as before therefore converts nothing.
TEST_F(CommandHandling, NotificationsThatChangeNothingConvertNothing) {
  const char* rgb[3] = {"0", "255", "5"};
  for (int i = 0; i < 3; ++i) {
    user::SelectAll(dialog, kFieldIds[i]);
    user::Type(dialog, rgb[i]);
  }
  const Fields entered = {"0", "255", "5", "87", "255", "255"};
  ASSERT_EQ(Shown(), entered);
  const size_t writes = user::Writes().size();
  user::PressTab(dialog);  // into the hue field, all selected
  user::Type(dialog, "\x1A");  // Ctrl+Z, with nothing to undo
  user::ClickInto(dialog, IDC_VALUE);
  user::Type(dialog, "9");  // refused: the field is full
  SetDlgItemInt(dialog, IDC_SATURATION, 255, FALSE);  // the same number again
  SendDlgItemMessageA(dialog, IDC_GREEN, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0255"));
  EXPECT_EQ(Shown(), (Fields{"0", "0255", "5", "87", "255", "255"}));
  EXPECT_EQ(user::Writes().size() - writes, 2u);  // only the two writes above
  EXPECT_TRUE(user::Beeps().empty());
  // A real change still converts at once.
  user::ClickInto(dialog, IDC_VALUE);
  user::Type(dialog, "\b");
  EXPECT_EQ(Shown(), (Fields{"0", "25", "0", "87", "255", "25"}));
}

TEST_F(CommandHandling, OtherCommandsChangeNothing) {
  const Fields before = Shown();
  const size_t writes = user::Writes().size();
  user::ClickInto(dialog, IDC_RED);
  user::PressEnter(dialog);  // IDOK: there is no default button
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RED, EN_MAXTEXT), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(4242, EN_CHANGE), 0);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(user::Writes().size(), writes);
  EXPECT_TRUE(user::IsOpen(dialog));
  EXPECT_TRUE(user::ChooserOpenings().empty());
}

TEST_F(CommandHandling, EscapeClosesEvenWhileUpdating) {
  updating = 1;
  user::PressEscape(dialog);
  EXPECT_FALSE(user::IsOpen(dialog));
  updating = 0;

  SetUp();
  user::PressEscape(dialog);
  EXPECT_FALSE(user::IsOpen(dialog));
}

}  // namespace

// A paste whose text another program sends late (the middle button's, then
// Ctrl+V) holds back what the user did after it, clicks and caret keys
// included, and goes where the caret was when the user pasted; one never
// answered holds nothing for ever.
// What a page's user did before its module ran: the program does all of it,
// the caret's move as well as the key's character, and behind a paste that
// waits, as it does with parked input.
TEST_F(CommandHandling, InputLetGoOfIsHandledWhole) {
  user::SelectAll(dialog, IDC_RED);
  user::Type(dialog, "5");
  dialog_manager::Input key;
  key.key.virtualKey = VK_LEFT;
  dialog_manager::PostLetGo(dialog, key);
  key.key.virtualKey = '2';
  key.key.character = U'2';
  dialog_manager::PostLetGo(dialog, key);
  EXPECT_EQ(user::Text(dialog, IDC_RED), "25");

  standin::SetPasteAnswer(standin::PasteAnswer::Late);
  user::Paste(dialog, "0");  // at the caret, 2|5
  key.key = {};
  key.key.virtualKey = VK_BACK;
  dialog_manager::PostLetGo(dialog, key);
  ASSERT_TRUE(standin::AnswerPaste());
  EXPECT_EQ(user::Text(dialog, IDC_RED), "25");  // 205, then the 0 erased
}

// A page whose font turns out other than the one its dialog was laid out
// for lays it out again: every frame from the template, rounded as before.
TEST_F(CommandHandling, ADialogIsLaidOutAgainForOtherBaseUnits) {
  EXPECT_FALSE(dialog_manager::LayOutAgain(GetDlgItem(dialog, IDC_RED), 7, 14));
  ASSERT_TRUE(dialog_manager::LayOutAgain(dialog, 7, 14));
  RECT client = {};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 373);  // 213 units of 7/4 pixels
  EXPECT_EQ(client.bottom, 137);
  GetClientRect(GetDlgItem(dialog, IDC_VALUE), &client);  // the last control: 54 by 25, less its border
  EXPECT_EQ(client.right, 52);
  EXPECT_EQ(client.bottom, 23);
}

TEST_F(CommandHandling, InputAfterASlowPasteWaitsForItsText) {
  standin::SetPasteAnswer(standin::PasteAnswer::Late);
  user::SelectAll(dialog, IDC_BLUE);
  user::Type(dialog, "25");
  const Fields before = Shown();
  user::PasteWithMiddleButton(dialog, IDC_BLUE, 0, "5");  // before the 25: 525
  EXPECT_TRUE(standin::Busy());
  user::PressTab(dialog);
  user::Type(dialog, "5");
  EXPECT_EQ(Shown(), before);  // nothing yet
  ASSERT_TRUE(standin::AnswerPaste());
  EXPECT_FALSE(standin::Busy());
  EXPECT_EQ(Shown(), (Fields{"255", "255", "255", "5", "0", "255"}));
  EXPECT_EQ(user::BeepCount(MB_ICONEXCLAMATION), 1);
  // The middle button's paste into a field without the focus gives it the focus.
  user::PasteWithMiddleButton(dialog, IDC_SATURATION, 0, "1");
  ASSERT_TRUE(standin::AnswerPaste());
  EXPECT_EQ(user::FocusedId(), IDC_SATURATION);

  user::SelectAll(dialog, IDC_RED);
  user::Type(dialog, "12");
  user::PressHome(dialog);
  user::Paste(dialog, "9");
  dialog_manager::Input left;
  left.key.virtualKey = VK_LEFT;
  EXPECT_TRUE(dialog_manager::Post(dialog, left));  // held, so the platform moves no caret now
  user::ClickInto(dialog, IDC_RED);
  user::Type(dialog, "\b");
  ASSERT_TRUE(standin::AnswerPaste());
  // 912 (255, with a beep), then a backspace at the end.
  EXPECT_EQ(user::Text(dialog, IDC_RED), "25");
  EXPECT_EQ(user::BeepCount(MB_ICONEXCLAMATION), 2);

  standin::SetPasteAnswer(standin::PasteAnswer::Never);
  user::SelectAll(dialog, IDC_GREEN);
  user::Paste(dialog, "1");
  user::Type(dialog, "7");
  ASSERT_TRUE(standin::AnswerPaste());
  EXPECT_FALSE(standin::AnswerPaste());
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "7");

  // A wait ends at its deadline on the platform's clock; its owner's answer
  // after that, like any answer to an earlier request, is dropped. What the
  // program itself copied, while the clipboard holds it, is pasted at once.
  standin::SetPasteAnswer(standin::PasteAnswer::Late);
  user::SelectAll(dialog, IDC_RED);
  user::Paste(dialog, "2");
  user::Type(dialog, "1");
  standin::MoveClock(dialog_manager::kPasteWaitMs - 1);
  EXPECT_TRUE(standin::Busy());
  standin::MoveClock(1);
  EXPECT_FALSE(standin::Busy());
  EXPECT_EQ(user::Text(dialog, IDC_RED), "1");
  user::Paste(dialog, "4");
  ASSERT_TRUE(standin::AnswerPaste());  // the first request's, at last
  EXPECT_TRUE(standin::Busy());
  ASSERT_TRUE(standin::AnswerPaste());
  user::Type(dialog, "5");  // after the text pasted, where its caret is shown
  EXPECT_EQ(user::Text(dialog, IDC_RED), "145");
  user::SelectAll(dialog, IDC_RED);
  SendMessageA(GetDlgItem(dialog, IDC_RED), WM_COPY, 0, 0);
  user::SelectAll(dialog, IDC_GREEN);
  SendMessageA(GetDlgItem(dialog, IDC_GREEN), WM_PASTE, 0, 0);
  EXPECT_FALSE(standin::Busy());
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "145");
  user::SelectAll(dialog, IDC_GREEN);
  user::Type(dialog, "7");

  // What waited behind the paste and comes after the dialog's end does
  // nothing.
  standin::SetPasteAnswer(standin::PasteAnswer::Late);
  user::Paste(dialog, "1");
  user::PressEscape(dialog);
  user::PasteWithMiddleButton(dialog, IDC_GREEN, 0, "2");
  ASSERT_TRUE(standin::AnswerPaste());
  EXPECT_FALSE(user::IsOpen(dialog));
  EXPECT_FALSE(standin::AnswerPaste());  // no second paste asked for
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "72");  // the clipboard's text when its owner answered
}

// A cut or copy from the platform's menu takes the selection the user had
// when choosing it, whatever the dialog manager last knew; a change the
// platform could not stop is applied as its difference.
TEST_F(CommandHandling, AMenusCutOrCopyTakesTheSelectionTheUserHad) {
  user::SelectAll(dialog, IDC_RED);
  user::Type(dialog, "12");
  const auto menu = [&](dialog_manager::InputKind kind, const char* left, const char* copied) {
    dialog_manager::Input input;
    input.kind = kind;
    input.window = GetDlgItem(dialog, IDC_RED);
    input.start = 0, input.end = 1;
    dialog_manager::Post(dialog, input);
    EXPECT_EQ(user::Text(dialog, IDC_RED), left);
    char text[8] = "";
    ASSERT_TRUE(OpenClipboard(dialog));
    if (HANDLE data = GetClipboardData(CF_TEXT)) std::snprintf(text, sizeof text, "%s", static_cast<char*>(GlobalLock(data)));
    CloseClipboard();
    EXPECT_STREQ(text, copied);
  };
  menu(dialog_manager::InputKind::Cut, "2", "1");
  menu(dialog_manager::InputKind::Copied, "2", "2");
  // What the platform changed by means it could not stop, known by the text
  // after it and the caret: "2" become "25", then "5".
  for (const char* after : {"25", "5"}) {
    dialog_manager::Input replaced;
    replaced.kind = dialog_manager::InputKind::Replaced;
    replaced.window = GetDlgItem(dialog, IDC_RED);
    replaced.text = after;
    replaced.end = std::string(after) == "25" ? 2 : 0;
    dialog_manager::Post(dialog, replaced);
    EXPECT_EQ(user::Text(dialog, IDC_RED), after);
  }
  // A field written while another has the focus (autofill, a screen
  // reader's "set value") takes the new text whole; the focus stays.
  dialog_manager::Input written;
  written.kind = dialog_manager::InputKind::Replaced;
  written.window = GetDlgItem(dialog, IDC_GREEN);
  written.text = "7";
  dialog_manager::Post(dialog, written);
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "7");
  EXPECT_EQ(user::FocusedId(), IDC_RED);

  // A platform's steps of one action: a deletion that typed text follows
  // at once is the selection the text replaces; a drop's insertion and the
  // deletion after it are notified once, when the platform is next idle,
  // as is a deletion alone; the user's next key comes after them.
  using dialog_manager::EditStep;
  using dialog_manager::InputKind;
  const auto post = [&](InputKind kind, EditStep how, long long start, long long end, const char* text,
                        int id = IDC_RED) {
    dialog_manager::Input input;
    input.kind = kind, input.step = how, input.window = GetDlgItem(dialog, id);
    input.start = start, input.end = end, input.text = text;
    return dialog_manager::Post(dialog, input);
  };
  post(InputKind::Deleted, EditStep::Replacing, 0, 1, "");
  EXPECT_EQ(user::Text(dialog, IDC_RED), "5");
  post(InputKind::Typed, EditStep::Whole, -1, -1, "9");
  EXPECT_EQ(user::Text(dialog, IDC_RED), "9");
  const size_t writes = user::Writes().size();
  post(InputKind::Pasted, EditStep::Dropped, 1, 1, "12");
  post(InputKind::Deleted, EditStep::Replacing, 0, 1, "");
  EXPECT_EQ(user::Writes().size(), writes);
  standin::Idle();
  EXPECT_EQ(user::Text(dialog, IDC_RED), "12");
  EXPECT_EQ(user::Writes().size() - writes, 3u);  // the HSV group, once
  post(InputKind::Deleted, EditStep::Replacing, 1, -1, "");
  standin::Idle();
  EXPECT_EQ(user::Text(dialog, IDC_RED), "1");
  user::Type(dialog, "2");
  user::PressHome(dialog);
  post(InputKind::Deleted, EditStep::Replacing, 0, 1, "");
  user::Type(dialog, "5");
  EXPECT_EQ(user::Text(dialog, IDC_RED), "52");
  // A click is a button's, and focuses it; a tap on a field focuses it
  // with its number selected, as Tab does; a phone's erasing is the edit
  // control's Backspace; a page's paste comes with its text.
  EXPECT_TRUE(post(InputKind::Clicked, EditStep::Whole, -1, -1, "", IDC_GREEN));  // the platform's part done
  EXPECT_EQ(user::FocusedId(), IDC_RED);
  post(InputKind::Tapped, EditStep::Whole, -1, -1, "", IDC_GREEN);
  user::Type(dialog, "9");
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "9");
  post(InputKind::Erased, EditStep::Whole, -1, -1, "", IDC_GREEN);
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "");
  post(InputKind::Pasted, EditStep::Whole, 0, 0, "17", IDC_GREEN);
  EXPECT_EQ(user::Text(dialog, IDC_GREEN), "17");
  post(InputKind::Clicked, EditStep::Whole, -1, -1, "", IDC_SELECT);  // with no press reported before it
  EXPECT_EQ(user::FocusedId(), IDC_SELECT);
  // Input for another dialog's control is not this dialog's.
  HWND other = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONVERTER), nullptr,
                                  [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
  ASSERT_NE(other, nullptr);
  dialog_manager::Input typed;
  typed.kind = InputKind::Typed, typed.window = GetDlgItem(other, IDC_GREEN), typed.text = "7";
  dialog_manager::Post(dialog, typed);
  EXPECT_EQ(user::Text(other, IDC_GREEN), "");  // as its template has it
  DestroyWindow(other);
}

// The keys the dialog takes, so that the platform does nothing with them,
// and those it leaves to the platform (the caret's), with the focus in a
// field or on a button; Alt with a key edits nothing.
TEST_F(CommandHandling, TheDialogTakesItsOwnKeysAndLeavesTheCaretKeys) {
  const struct {
    int id, key;
    char32_t character;
    bool control, alt, down, taken;
  } keys[] = {
      {IDC_RED, VK_LEFT, 0, false, false, true, false},    {IDC_RED, VK_LEFT, 0, true, false, true, false},
      {IDC_RED, '1', '1', true, false, true, false},       {IDC_RED, '5', '5', false, false, true, true},
      {IDC_RED, 'Z', 'z', true, false, true, true},        {IDC_RED, VK_TAB, '\t', false, false, true, true},
      {IDC_RED, VK_TAB, 0, false, false, false, false},    {IDC_RED, VK_SPACE, ' ', false, false, false, false},
      {IDC_SELECT, VK_SPACE, ' ', false, false, false, true}, {IDC_SELECT, VK_LEFT, 0, false, false, true, false},
  };
  for (const auto& k : keys) {
    user::ClickInto(dialog, k.id);
    dialog_manager::KeyPress key;
    key.virtualKey = k.key, key.character = k.character, key.control = k.control, key.alt = k.alt;
    EXPECT_EQ(dialog_manager::TakesKey(dialog, key, k.down), k.taken) << k.id << " " << k.key << " " << k.down;
    dialog_manager::Input posted;
    posted.kind = k.down ? dialog_manager::InputKind::KeyDown : dialog_manager::InputKind::KeyUp;
    posted.key = key;
    if (!k.taken) {
      EXPECT_FALSE(dialog_manager::Post(dialog, posted)) << k.id << " " << k.key;  // the platform's
    }
  }
  user::SelectAll(dialog, IDC_RED);
  user::Type(dialog, "12");
  dialog_manager::Input altLeft;
  altLeft.key.virtualKey = VK_LEFT;
  altLeft.key.alt = true;
  dialog_manager::Post(dialog, altLeft);
  EXPECT_EQ(user::Text(dialog, IDC_RED), "12");
  const char* names[] = {"RGB color: red",  "RGB color: green",      "RGB color: blue",
                         "HSV color: hue",  "HSV color: saturation", "HSV color: value"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(dialog_manager::AccessibleName(GetDlgItem(dialog, kFieldIds[i])), names[i]);
  // The swatch is drawn, not a text: the platforms make it a drawing area.
  EXPECT_FALSE(dialog_manager::ShowsText(GetDlgItem(dialog, IDC_SWATCH)));
}
