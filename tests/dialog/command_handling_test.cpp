#include "dialog_fixture.h"

namespace {

using CommandHandling = DialogTest;

TEST_F(CommandHandling, StartsWhiteThroughTheOrdinaryHandling) {
  EXPECT_EQ(Shown(), (Fields{"255", "255", "255", "0", "0", "255"}));
  EXPECT_EQ(colorState.fieldRed + colorState.fieldGreen + colorState.fieldBlue, 765u);
}

TEST_F(CommandHandling, TypingIntoRedConvertsAfterEveryKeystroke) {
  standin::Empty(dialog, IDC_RED);
  EXPECT_EQ(Shown(), (Fields{"", "255", "255", "128", "255", "255"}));  // red counts as 0
  standin::Type(dialog, "3");
  EXPECT_EQ(Shown(), (Fields{"3", "255", "255", "128", "252", "255"}));
  standin::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"30", "255", "255", "128", "225", "255"}));
  EXPECT_EQ(standin::BeepCount(MB_ICONEXCLAMATION), 0);
  standin::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"255", "255", "255", "0", "0", "255"}));
  EXPECT_EQ(standin::Beeps(), (std::vector<UINT>{MB_ICONEXCLAMATION}));
}

TEST_F(CommandHandling, EmptiedFieldStaysEmptyAndCountsAsZero) {
  standin::Empty(dialog, IDC_GREEN);
  standin::Empty(dialog, IDC_BLUE);
  EXPECT_EQ(Shown(), (Fields{"255", "", "", "0", "255", "255"}));
  EXPECT_EQ(colorState.fieldGreen, 0u);
  standin::Empty(dialog, IDC_VALUE);
  EXPECT_EQ(Shown(), (Fields{"0", "0", "0", "0", "255", ""}));
}

TEST_F(CommandHandling, EveryFieldAnswersNumbersAbove255WithABeepAnd255) {
  int beeps = 0;
  for (int id : kFieldIds) {
    for (const char* entry : {"256", "300", "999", "255"}) {
      standin::SelectAll(dialog, id);
      standin::Type(dialog, entry);
      if (std::string(entry) != "255") ++beeps;
      EXPECT_EQ(standin::Text(dialog, id), "255") << id << " " << entry;
      EXPECT_EQ(standin::BeepCount(MB_ICONEXCLAMATION), beeps) << id << " " << entry;
    }
  }
  EXPECT_EQ(standin::Beeps().size(), size_t(beeps));  // no beep of any other kind
  // The value field was edited last: the RGB group shows hue 255 at full
  // saturation and value.
  EXPECT_EQ(Shown(), (Fields{"255", "0", "6", "255", "255", "255"}));
}

TEST_F(CommandHandling, AnOutOfRangeEntryConvertsAsIf255HadBeenTyped) {
  standin::SelectAll(dialog, IDC_SATURATION);
  standin::Type(dialog, "255");
  standin::SelectAll(dialog, IDC_HUE);
  standin::Type(dialog, "85");
  const Fields after85 = Shown();
  seen.clear();
  const size_t writesBefore = standin::Writes().size();
  standin::Type(dialog, "0");  // 850
  // The keystroke, then the rewrite to 255 inside it: two conversions, each
  // publishing three numbers; and the rewrite itself.
  EXPECT_EQ(Conversions(), 2);
  EXPECT_EQ(standin::Writes().size() - writesBefore, 7u);
  EXPECT_EQ(standin::Writes()[writesBefore].id, IDC_HUE);
  EXPECT_EQ(standin::Writes()[writesBefore].value, 255u);
  EXPECT_EQ(Shown()[3], "255");
  EXPECT_NE(Shown(), after85);
  EXPECT_EQ(Shown(), (Fields{"255", "0", "6", "255", "255", "255"}));
}

TEST_F(CommandHandling, OneKeystrokeRunsOneConversionAndItsWritesStartNone) {
  standin::ClickInto(dialog, IDC_GREEN);
  standin::Type(dialog, "\b");
  EXPECT_EQ(Conversions(), 1);
  // The three publishing writes did notify, and were ignored.
  int ignored = 0;
  for (const auto& s : seen) ignored += s.code == EN_CHANGE && s.updating == 1;
  EXPECT_EQ(ignored, 3);
  EXPECT_EQ(updating, 0);
  EXPECT_EQ(standin::InvalidationCount(dialog, IDC_SWATCH) > 0, true);
  // The field being edited is never rewritten; the other group always is.
  const auto& w = standin::Writes();
  ASSERT_GE(w.size(), 3u);
  EXPECT_EQ(w[w.size() - 3].id, IDC_HUE);
  EXPECT_EQ(w[w.size() - 2].id, IDC_SATURATION);
  EXPECT_EQ(w[w.size() - 1].id, IDC_VALUE);
  EXPECT_EQ(Shown(), (Fields{"255", "25", "255", "213", "230", "255"}));
}

TEST_F(CommandHandling, HsvEditsWriteTheRgbGroup) {
  standin::SelectAll(dialog, IDC_SATURATION);
  standin::Type(dialog, "192");
  standin::SelectAll(dialog, IDC_VALUE);
  standin::Type(dialog, "200");
  standin::SelectAll(dialog, IDC_HUE);
  standin::Type(dialog, "15");
  EXPECT_EQ(Shown(), (Fields{"200", "102", "49", "15", "192", "200"}));
  // Hue at saturation 0 leaves the same grey.
  standin::SelectAll(dialog, IDC_SATURATION);
  standin::Type(dialog, "0");
  EXPECT_EQ(Shown(), (Fields{"200", "200", "200", "15", "0", "200"}));
  const size_t before = standin::Writes().size();
  standin::ClickInto(dialog, IDC_HUE);
  standin::Type(dialog, "\b");
  EXPECT_EQ(standin::Writes().size() - before, 3u);
  EXPECT_EQ(Shown(), (Fields{"200", "200", "200", "1", "0", "200"}));
}

TEST_F(CommandHandling, OtherCommandsChangeNothing) {
  const Fields before = Shown();
  const size_t writes = standin::Writes().size();
  standin::ClickInto(dialog, IDC_RED);
  standin::PressEnter(dialog);  // IDOK: there is no default button
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RED, EN_MAXTEXT), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(4242, EN_CHANGE), 0);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(standin::Writes().size(), writes);
  EXPECT_TRUE(standin::IsOpen(dialog));
  EXPECT_TRUE(standin::ChooserOpenings().empty());
}

TEST_F(CommandHandling, EscapeClosesEvenWhileUpdating) {
  updating = 1;
  standin::PressEscape(dialog);
  EXPECT_FALSE(standin::IsOpen(dialog));
  updating = 0;

  SetUp();
  standin::PressEscape(dialog);
  EXPECT_FALSE(standin::IsOpen(dialog));
}

}  // namespace
