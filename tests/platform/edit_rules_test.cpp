// The edit rules' pure helpers that no platform test reaches on its own.
#include <gtest/gtest.h>

#include "shared/edit_rules.h"

namespace {

// A platform that reports only the text after its own change, and the
// caret: the change is taken to end at the caret, so a "1" typed before
// "1" goes before it, and the next "2" after that.
TEST(EditRules, ADifferenceEndsAtTheCaret) {
  auto change = edit::Difference("1", "11", 1);
  EXPECT_EQ(change.at, 0u);
  EXPECT_EQ(change.removed, 0u);
  EXPECT_EQ(change.inserted, "1");
  change = edit::Difference("11", "121", 2);
  EXPECT_EQ(change.at, 1u);
  EXPECT_EQ(change.inserted, "2");
  change = edit::Difference("255", "1", 1);  // typed over everything
  EXPECT_EQ(change.at, 0u);
  EXPECT_EQ(change.removed, 3u);
  EXPECT_EQ(change.inserted, "1");
  change = edit::Difference("a\xC3\xA9" "b", "a\xC3\xA8" "b", 2);  // one character for another, whole
  EXPECT_EQ(change.at, 1u);
  EXPECT_EQ(change.removed, 1u);
  EXPECT_EQ(change.inserted, "\xC3\xA8");
}

TEST(EditRules, TextIsCutOnlyBetweenCharacters) {
  const std::string text = "1\xC3\xA9\xF0\x9F\x98\x80";  // 1, é, U+1F600
  EXPECT_EQ(edit::WholeCharactersIn(text, 2), 1u);
  EXPECT_EQ(edit::WholeCharactersIn(text, 3), 3u);
  EXPECT_EQ(edit::WholeCharactersIn(text, 6), 3u);
  EXPECT_EQ(edit::WholeCharactersIn(text, 99), 7u);
}

}  // namespace
