// The whole program over the stand-in: the real WinMain, dialog procedure and
// swatch, on the dialog built from the compiled template.
#include <gtest/gtest.h>

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"
#include "../../resources/program_resources.h"
#include "../support/process_records.h"
#include "../support/user.h"
#include "shared/resources.h"

namespace {

using Fields = std::vector<std::string>;

// The process-wide records as the program starts, taken before any test
// puts them back.
const int32_t kUpdatingAtStart = updating;
const ColorState kColorAtStart = colorState;
const COLORREF kFirstCustomColorAtStart = customColors[0];

// The tests put the records back as the program starts, and not otherwise.
TEST(ProcessRecords, TheTestsStartWhereTheProgramDoes) {
  ResetProcessRecords();
  EXPECT_EQ(kUpdatingAtStart, updating);
  EXPECT_EQ(kColorAtStart.fieldRed + kColorAtStart.fieldGreen + kColorAtStart.fieldBlue,
            colorState.fieldRed + colorState.fieldGreen + colorState.fieldBlue);
  EXPECT_EQ(kColorAtStart.red | kColorAtStart.green << 8 | kColorAtStart.blue << 16,
            colorState.red | colorState.green << 8 | colorState.blue << 16);
  EXPECT_EQ(kFirstCustomColorAtStart, customColors[0]);
}

class Program : public testing::Test {
 protected:
  void SetUp() override {
    user::Reset();
    ResetProcessRecords();
    ASSERT_TRUE(standin::LoadResources(kProgramResources, kProgramResourcesSize));
  }

  // Runs the program with `user` at the keyboard; returns WinMain's result.
  int Run(std::function<void(HWND)> user) {
    standin::SetUser(std::move(user));
    return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), 1);
  }

  static Fields Shown(HWND d) {
    Fields f;
    for (int id = IDC_RED; id <= IDC_VALUE; ++id) f.push_back(user::Text(d, id));
    return f;
  }
};

TEST_F(Program, OpensWhiteAfterTheOrdinaryStartUpConversions) {
  const int result = Run([](HWND d) {
    EXPECT_EQ(user::Caption(d), "RGB <-> HSV");
    EXPECT_EQ(Shown(d), (Fields{"255", "255", "255", "0", "0", "255"}));
    EXPECT_EQ(user::PaintedColor(d, IDC_SWATCH), 0x00FFFFFFu);
    EXPECT_EQ(user::FocusedId(), IDC_SELECT);
    // Each RGB start-up write converts: the HSV group passes through red,
    // yellow and white. The HSV writes then find their fields reading what
    // was just published there, and convert nothing.
    const std::vector<std::pair<int, UINT>> expected = {
        {IDC_RED, 255},   {IDC_HUE, 0},  {IDC_SATURATION, 255}, {IDC_VALUE, 255},
        {IDC_GREEN, 255}, {IDC_HUE, 42}, {IDC_SATURATION, 255}, {IDC_VALUE, 255},
        {IDC_BLUE, 255},  {IDC_HUE, 0},  {IDC_SATURATION, 0},   {IDC_VALUE, 255},
        {IDC_HUE, 0},     {IDC_SATURATION, 0},                  {IDC_VALUE, 255},
    };
    const auto& writes = user::Writes();
    ASSERT_EQ(writes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(writes[i].id, expected[i].first) << "write " << i;
      EXPECT_EQ(writes[i].value, expected[i].second) << "write " << i;
    }
    EXPECT_EQ(colorState.red + colorState.green + colorState.blue, 3 * 255);
    EXPECT_EQ(colorState.hue + colorState.saturation, 0);
    EXPECT_EQ(colorState.value, 255);
    // One shared icon, from group 102, for both sizes.
    EXPECT_NE(user::Icon(d, ICON_BIG), nullptr);
    EXPECT_EQ(user::Icon(d, ICON_BIG), user::Icon(d, ICON_SMALL));
    EXPECT_EQ(user::Icon(d, ICON_BIG), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP)));
    EXPECT_EQ(pickerRecord.hwndOwner, d);
    user::PressEscape(d);
  });
  EXPECT_EQ(result, 0);
}

TEST_F(Program, TabVisitsSelectThenTheRgbThenTheHsvFields) {
  Run([](HWND d) {
    std::vector<int> visited;
    for (int i = 0; i < 7; ++i) {
      user::PressTab(d);
      visited.push_back(user::FocusedId());
    }
    EXPECT_EQ(visited, (std::vector<int>{IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION,
                                         IDC_VALUE, IDC_SELECT}));
    user::ClickCloseBox(d);
  });
}

TEST_F(Program, SwatchShowsTheRgbFieldsWithOneFreshBrushPerPaint) {
  Run([](HWND d) {
    user::SelectAll(d, IDC_RED);
    user::Type(d, "0");
    EXPECT_EQ(user::PaintedColor(d, IDC_SWATCH), 0x00FFFF00u);
    user::Empty(d, IDC_GREEN);
    EXPECT_EQ(user::PaintedColor(d, IDC_SWATCH), 0x00FF0000u);
    user::SelectAll(d, IDC_SATURATION);
    user::Type(d, "128");
    EXPECT_EQ(Shown(d), (Fields{"127", "128", "255", "170", "128", "255"}));
    EXPECT_EQ(user::PaintedColor(d, IDC_SWATCH), 0x00FF807Fu);
    user::SetChooser([](CHOOSECOLORA& r) {
      r.rgbResult = 0x000000FF;
      return TRUE;
    });
    user::Click(d, IDC_SELECT);
    EXPECT_EQ(user::PaintedColor(d, IDC_SWATCH), 0x000000FFu);
    EXPECT_EQ(Shown(d), (Fields{"255", "0", "0", "0", "255", "255"}));

    EXPECT_GT(user::PaintCount(d, IDC_SWATCH), 4);
    const standin::BrushCounts brushes = standin::Brushes();
    EXPECT_EQ(brushes.fills, user::PaintCount(d, IDC_SWATCH));
    EXPECT_EQ(brushes.live, 0);
    user::PressEscape(d);
  });
}

TEST_F(Program, EnterPressesSelectOnlyWhileItHasTheFocus) {
  Run([](HWND d) {
    user::PressEnter(d);  // focus still on "Select..." from the start
    EXPECT_EQ(user::ChooserOpenings().size(), 1u);
    EXPECT_EQ(user::ChooserOpenings()[0].record.rgbResult, 0x00FFFFFFu);
    user::ClickInto(d, IDC_HUE);
    const size_t writes = user::Writes().size();
    user::PressEnter(d);
    EXPECT_EQ(user::ChooserOpenings().size(), 1u);
    EXPECT_EQ(user::Writes().size(), writes);
    EXPECT_TRUE(user::IsOpen(d));
    user::PressEscape(d);
  });
}

TEST_F(Program, ClosesWithZeroAndFailsWithMinusOneWithoutItsTemplate) {
  EXPECT_EQ(Run([](HWND d) { user::ClickCloseBox(d); }), 0);
  SetUp();
  EXPECT_EQ(Run([](HWND d) { user::PressEscape(d); }), 0);
  user::Reset();  // no resources: the dialog cannot be created
  bool ran = false;
  EXPECT_EQ(Run([&](HWND) { ran = true; }), -1);
  EXPECT_FALSE(ran);
}

}  // namespace
