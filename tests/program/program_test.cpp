// The whole program over the stand-in: the real WinMain, dialog procedure and
// swatch, on the dialog built from the compiled template.
#include <gtest/gtest.h>

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"
#include "../../resources/program_resources.h"
#include "../support/process_records.h"
#include "standin/driver.h"
#include "standin/resources.h"

namespace {

using Fields = std::vector<std::string>;

class Program : public testing::Test {
 protected:
  void SetUp() override {
    standin::Reset();
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
    for (int id = IDC_RED; id <= IDC_VALUE; ++id) f.push_back(standin::Text(d, id));
    return f;
  }
};

TEST_F(Program, OpensWhiteAfterTheOrdinaryStartUpConversions) {
  const int result = Run([](HWND d) {
    EXPECT_EQ(standin::Caption(d), "RGB <-> HSV");
    EXPECT_EQ(Shown(d), (Fields{"255", "255", "255", "0", "0", "255"}));
    EXPECT_EQ(standin::PaintedColor(d, IDC_SWATCH), 0x00FFFFFFu);
    EXPECT_EQ(standin::FocusedId(d), IDC_SELECT);
    // Each start-up write converts: the HSV group passes through red,
    // yellow and white, and each HSV write converts white back.
    const std::vector<std::pair<int, UINT>> expected = {
        {IDC_RED, 255},        {IDC_HUE, 0},         {IDC_SATURATION, 255}, {IDC_VALUE, 255},
        {IDC_GREEN, 255},      {IDC_HUE, 42},        {IDC_SATURATION, 255}, {IDC_VALUE, 255},
        {IDC_BLUE, 255},       {IDC_HUE, 0},         {IDC_SATURATION, 0},   {IDC_VALUE, 255},
        {IDC_HUE, 0},          {IDC_RED, 255},       {IDC_GREEN, 255},      {IDC_BLUE, 255},
        {IDC_SATURATION, 0},   {IDC_RED, 255},       {IDC_GREEN, 255},      {IDC_BLUE, 255},
        {IDC_VALUE, 255},      {IDC_RED, 255},       {IDC_GREEN, 255},      {IDC_BLUE, 255},
    };
    const auto& writes = standin::Writes();
    ASSERT_EQ(writes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(writes[i].id, expected[i].first) << "write " << i;
      EXPECT_EQ(writes[i].value, expected[i].second) << "write " << i;
    }
    EXPECT_EQ(colorState.red + colorState.green + colorState.blue, 3 * 255);
    EXPECT_EQ(colorState.hue + colorState.saturation, 0);
    EXPECT_EQ(colorState.value, 255);
    // One shared icon, from group 102, for both sizes.
    EXPECT_NE(standin::Icon(d, ICON_BIG), nullptr);
    EXPECT_EQ(standin::Icon(d, ICON_BIG), standin::Icon(d, ICON_SMALL));
    EXPECT_EQ(standin::IconResource(standin::Icon(d, ICON_BIG)), IDI_APP);
    EXPECT_EQ(pickerRecord.hwndOwner, d);
    standin::PressEscape(d);
  });
  EXPECT_EQ(result, 0);
}

TEST_F(Program, TabVisitsSelectThenTheRgbThenTheHsvFields) {
  Run([](HWND d) {
    std::vector<int> visited;
    for (int i = 0; i < 7; ++i) {
      standin::PressTab(d);
      visited.push_back(standin::FocusedId(d));
    }
    EXPECT_EQ(visited, (std::vector<int>{IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION,
                                         IDC_VALUE, IDC_SELECT}));
    standin::ClickCloseBox(d);
  });
}

TEST_F(Program, SwatchShowsTheRgbFieldsWithOneFreshBrushPerPaint) {
  Run([](HWND d) {
    standin::SelectAll(d, IDC_RED);
    standin::Type(d, "0");
    EXPECT_EQ(standin::PaintedColor(d, IDC_SWATCH), 0x00FFFF00u);
    standin::Empty(d, IDC_GREEN);
    EXPECT_EQ(standin::PaintedColor(d, IDC_SWATCH), 0x00FF0000u);
    standin::SelectAll(d, IDC_SATURATION);
    standin::Type(d, "128");
    EXPECT_EQ(Shown(d), (Fields{"127", "128", "255", "170", "128", "255"}));
    EXPECT_EQ(standin::PaintedColor(d, IDC_SWATCH), 0x00FF807Fu);
    standin::SetChooser([](CHOOSECOLORA& r) {
      r.rgbResult = 0x000000FF;
      return TRUE;
    });
    standin::Click(d, IDC_SELECT);
    EXPECT_EQ(standin::PaintedColor(d, IDC_SWATCH), 0x000000FFu);
    EXPECT_EQ(Shown(d), (Fields{"255", "0", "0", "0", "255", "255"}));

    EXPECT_GT(standin::PaintCount(d, IDC_SWATCH), 4);
    EXPECT_EQ(standin::BrushesCreated(), standin::PaintCount(d, IDC_SWATCH));
    EXPECT_EQ(standin::BrushesDeleted(), standin::BrushesCreated());
    EXPECT_EQ(standin::BrushErrors(), 0);
    standin::PressEscape(d);
  });
}

TEST_F(Program, EnterPressesSelectOnlyWhileItHasTheFocus) {
  Run([](HWND d) {
    standin::PressEnter(d);  // focus still on "Select..." from the start
    EXPECT_EQ(standin::ChooserOpenings().size(), 1u);
    EXPECT_EQ(standin::ChooserOpenings()[0].record.rgbResult, 0x00FFFFFFu);
    standin::ClickInto(d, IDC_HUE);
    const size_t writes = standin::Writes().size();
    standin::PressEnter(d);
    EXPECT_EQ(standin::ChooserOpenings().size(), 1u);
    EXPECT_EQ(standin::Writes().size(), writes);
    EXPECT_TRUE(standin::IsOpen(d));
    standin::PressEscape(d);
  });
}

TEST_F(Program, ClosesWithZeroAndFailsWithMinusOneWithoutItsTemplate) {
  EXPECT_EQ(Run([](HWND d) { standin::ClickCloseBox(d); }), 0);
  SetUp();
  EXPECT_EQ(Run([](HWND d) { standin::PressEscape(d); }), 0);
  standin::Reset();  // no resources: the dialog cannot be created
  bool ran = false;
  EXPECT_EQ(Run([&](HWND) { ran = true; }), -1);
  EXPECT_FALSE(ran);
}

}  // namespace
