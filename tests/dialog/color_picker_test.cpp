#include "dialog_fixture.h"

namespace {

using ColorPicker = DialogTest;

TEST_F(ColorPicker, RecordIsPreparedOnce) {
  EXPECT_EQ(sizeof(CHOOSECOLORA), 72u);
  EXPECT_EQ(pickerRecord.lStructSize, 72u);
  EXPECT_EQ(pickerRecord.hwndOwner, dialog);
  EXPECT_EQ(pickerRecord.lpCustColors, customColors);
  EXPECT_EQ(pickerRecord.Flags, DWORD(CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR));
  EXPECT_EQ(pickerRecord.Flags, 0x103u);
  EXPECT_EQ(pickerRecord.hInstance, nullptr);
  EXPECT_EQ(pickerRecord.lCustData, 0);
  EXPECT_EQ(pickerRecord.lpfnHook, nullptr);
  EXPECT_EQ(pickerRecord.lpTemplateName, nullptr);
}

TEST_F(ColorPicker, PickingFillsBothGroupsWithoutConverting) {
  user::SetChooser([](CHOOSECOLORA& r) {
    r.rgbResult = 0x000000FF;  // pure red
    return TRUE;
  });
  user::Click(dialog, IDC_SELECT);
  EXPECT_EQ(Shown(), (Fields{"255", "0", "0", "0", "255", "255"}));
  EXPECT_EQ(Conversions(), 0);
  EXPECT_EQ(updating, 0);
  EXPECT_EQ(colorState.hue, 0);
  EXPECT_EQ(colorState.saturation, 255);
  // All six written, RGB first, and the swatch asked to repaint.
  const auto& w = user::Writes();
  ASSERT_GE(w.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w[w.size() - 6 + i].id, kFieldIds[i]);
  EXPECT_GE(user::PaintCount(dialog, IDC_SWATCH), 1);

  user::SetChooser([](CHOOSECOLORA& r) {
    r.rgbResult = 0x003264C8;  // 200, 100, 50
    return TRUE;
  });
  user::Click(dialog, IDC_SELECT);
  EXPECT_EQ(Shown(), (Fields{"200", "100", "50", "15", "192", "200"}));
}

TEST_F(ColorPicker, CancellingChangesNothing) {
  user::SelectAll(dialog, IDC_HUE);
  user::Type(dialog, "100");
  const Fields before = Shown();
  ColorState state = colorState;
  const int invalidations = user::PaintCount(dialog, IDC_SWATCH);
  user::SetChooser([](CHOOSECOLORA& r) {
    r.rgbResult = 0x00123456;  // what a cancelled chooser leaves must not count
    return FALSE;
  });
  user::Click(dialog, IDC_SELECT);
  EXPECT_EQ(user::ChooserOpenings().size(), 1u);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(user::PaintCount(dialog, IDC_SWATCH), invalidations);
  EXPECT_EQ(colorState.fieldRed, state.fieldRed);
  EXPECT_EQ(colorState.hue, state.hue);
  EXPECT_EQ(colorState.red, state.red);
}

TEST_F(ColorPicker, OpensOnTheFieldsColorWithAnEmptiedFieldAsZero) {
  user::SelectAll(dialog, IDC_RED);
  user::Type(dialog, "18");
  user::Empty(dialog, IDC_GREEN);
  user::Click(dialog, IDC_SELECT);
  ASSERT_EQ(user::ChooserOpenings().size(), 1u);
  EXPECT_EQ(user::ChooserOpenings()[0].record.rgbResult, 0x00FF0012u);
  // Enter or Space with the focus on the button presses it too.
  user::PressEnter(dialog);
  EXPECT_EQ(user::ChooserOpenings().size(), 2u);
  user::PressSpace(dialog);
  EXPECT_EQ(user::ChooserOpenings().size(), 3u);
}

TEST_F(ColorPicker, CustomColorsLastFromOneOpeningToTheNext) {
  user::SetChooser([](CHOOSECOLORA& r) {
    r.lpCustColors[0] = 0x00112233;
    r.lpCustColors[15] = 0x00ABCDEF;
    return FALSE;  // defined, then cancelled: the custom colors still stay
  });
  user::Click(dialog, IDC_SELECT);
  user::SetChooser(nullptr);
  user::Click(dialog, IDC_SELECT);
  ASSERT_EQ(user::ChooserOpenings().size(), 2u);
  EXPECT_EQ(user::ChooserOpenings()[0].customColors[0], 0u);
  EXPECT_EQ(user::ChooserOpenings()[1].customColors[0], 0x00112233u);
  EXPECT_EQ(user::ChooserOpenings()[1].customColors[15], 0x00ABCDEFu);
  EXPECT_EQ(user::ChooserOpenings()[1].record.lpCustColors, customColors);
}

}  // namespace
