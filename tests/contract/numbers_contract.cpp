// Numbers in fields: GetDlgItemInt and SetDlgItemInt, unsigned.
#include "contract.h"

namespace {

TEST_F(Contract, GetDlgItemIntReadsAnUnsignedDecimalNumber) {
  const struct {
    const char* text;
    UINT number;
    BOOL translated;
  } cases[] = {
      {"", 0, FALSE},
      {"0", 0, TRUE},
      {"12", 12, TRUE},
      {"007", 7, TRUE},
      {"  12", 12, TRUE},  // leading blanks are skipped
      {"+5", 5, TRUE},
      {"-1", 4294967295u, TRUE},  // a minus sign wraps, as strtoul's does
      {"12a", 12, TRUE},          // digits up to the first other character
      {"a12", 0, FALSE},
      {"-", 0, FALSE},
      {"4294967295", 4294967295u, TRUE},
      {"4294967296", 0, FALSE},
      {"99999999999999999999", 0, FALSE},
      {"-4294967295", 1, TRUE},
      {"-4294967296", 1, TRUE},  // below -4294967295 everything reads as 1
      {"-99999999999", 1, TRUE},
  };
  for (const auto& c : cases) {
    SetText(IDC_RED, c.text);
    BOOL translated = 7;
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_RED, &translated, FALSE), c.number) << '"' << c.text << '"';
    EXPECT_EQ(translated, c.translated) << '"' << c.text << '"';
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_RED, nullptr, FALSE), c.number) << '"' << c.text << '"';
  }
}

TEST_F(Contract, SetDlgItemIntShowsTheNumberAndNotifiesBeforeItReturns) {
  for (UINT n : {0u, 255u, 255u, 4294967295u}) {  // the same text twice is a change too
    Forget();
    EXPECT_TRUE(SetDlgItemInt(dialog, IDC_HUE, n, FALSE));
    EXPECT_EQ(Text(IDC_HUE), std::to_string(n));
    EXPECT_EQ(CodesFrom(IDC_HUE), (std::vector<int>{EN_UPDATE, EN_CHANGE})) << n;
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back().control, Item(IDC_HUE));
  }
  EXPECT_TRUE(SetDlgItemInt(dialog, IDC_HUE, 0x80000000u, TRUE));  // signed, the lowest
  EXPECT_EQ(Text(IDC_HUE), "-2147483648");
  EXPECT_TRUE(SetDlgItemInt(dialog, IDC_HUE, static_cast<UINT>(-42), TRUE));
  EXPECT_EQ(Text(IDC_HUE), "-42");
}

}  // namespace
