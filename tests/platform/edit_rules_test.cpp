// The edit rules' pure helpers, and the keys' uses, that no platform test
// reaches on its own.
#include <gtest/gtest.h>

#include "shared/dialog_manager.h"
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
  change = edit::Difference("12", "32", 0);  // one for another, the caret put back at the start
  EXPECT_EQ(change.at, 0u);
  EXPECT_EQ(change.removed, 1u);
  EXPECT_EQ(change.inserted, "3");
  change = edit::Difference("1111", "11", 0);  // two deleted before the caret at the start
  EXPECT_EQ(change.at, 0u);
  EXPECT_EQ(change.removed, 2u);
  EXPECT_EQ(change.inserted, "");
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

// Typing takes printable characters only: not the C0 and C1 controls,
// DEL, a surrogate or what is past U+10FFFF; digits only where so styled.
TEST(EditRules, TypingTakesPrintableCharactersOnly) {
  const struct {
    char32_t c;
    bool taken;
  } cases[] = {{0x1F, false}, {0x20, true},      {0x7E, true},    {0x7F, false},    {0x80, false},
               {0x9F, false}, {0xA0, true},      {0xD7FF, true},  {0xD800, false},  {0xDFFF, false},
               {0xE000, true}, {0x10FFFF, true}, {0x110000, false}};
  for (const auto& c : cases) {
    edit::EditState e;
    EXPECT_EQ(edit::Type(e, c.c).change, c.taken) << std::hex << uint32_t(c.c);
    EXPECT_EQ(edit::Length(e), c.taken ? 1u : 0u) << std::hex << uint32_t(c.c);
    e.text.clear();
    e.selStart = e.selEnd = 0;
    e.digitsOnly = true;
    EXPECT_FALSE(edit::Type(e, c.c).change) << std::hex << uint32_t(c.c);
  }
  edit::EditState middle;  // over a selection with text after it
  middle.text = "123";
  edit::Select(middle, 1, 2);
  edit::Type(middle, '9');
  EXPECT_EQ(middle.text, "193");
  edit::Insert(middle, 0, "4");  // a drop goes where it was dropped, not to the caret
  EXPECT_EQ(middle.text, "4193");
}

// Each encoding's first and last code point, and the forms just past them:
// an overlong form, a surrogate, a code point past U+10FFFF, a stray or
// missing continuation byte and a lead byte no UTF-8 has start nothing.
// What starts nothing is one U+FFFD for the longest start of a character
// it holds, or else for one byte.
TEST(EditRules, CharactersDecodeUpToEachEncodingsBoundary) {
  const struct {
    const char* bytes;
    size_t size;
    char32_t point;  // or, if size is 0, how many bytes one U+FFFD stands for
  } cases[] = {
      {"\x7F", 1, 0x7F},         {"\xC2\x80", 2, 0x80},         {"\xDF\xBF", 2, 0x7FF},
      {"\xE0\xA0\x80", 3, 0x800}, {"\xED\x9F\xBF", 3, 0xD7FF}, {"\xEE\x80\x80", 3, 0xE000},
      {"\xEF\xBF\xBF", 3, 0xFFFF}, {"\xF0\x90\x80\x80", 4, 0x10000},
      {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
      {"\xC1\xBF", 0, 1},         {"\xE0\x9F\xBF", 0, 1},         {"\xF0\x8F\xBF\xBF", 0, 1},
      {"\xED\xA0\x80", 0, 1},     {"\xED\xBF\xBF", 0, 1},         {"\xF4\x90\x80\x80", 0, 1},
      {"\x80", 0, 1},             {"\xE2\x82", 0, 2},             {"\xE2\x28\xA1", 0, 1},
      {"\xF8\x88\x80\x80\x80", 0, 1}, {"\xC2", 0, 1},           {"\xDF\xC0", 0, 1},
      {"\xE0\xA0", 0, 2},         {"\xED\x9F", 0, 2},             {"\xF0\x90\x80", 0, 3},
      {"\xF4\x8F\xBF\x7F", 0, 3}, {"\xF5\x80\x80\x80", 0, 1},
  };
  char32_t point = 0;
  EXPECT_EQ(edit::DecodeCharacter("1", 1, &point), 0u);  // the end starts nothing
  for (const auto& c : cases) {
    EXPECT_EQ(edit::DecodeCharacter(c.bytes, 0, &point), c.size) << c.bytes;
    if (c.size) {
      EXPECT_EQ(point, c.point) << c.bytes;
    } else {
      EXPECT_EQ(edit::InvalidSequenceLength(c.bytes, 0), c.point) << c.bytes;
    }
  }
}

// Which keys cut, copy and paste in a field, by the edit control's
// bindings: a page raises its clipboard events for these, and only these.
TEST(Keys, ClipboardKeysAsTheEditControlBindsThem) {
  HWND__ field{};
  field.kind = WindowKind::Edit;
  field.edit.text = "12";
  using dialog_manager::KeyUse;
  const struct {
    int key;
    bool shift, control, alt, selection;
    KeyUse use;
  } cases[] = {
      {VK_DELETE, true, false, false, true, KeyUse::Cut},      {VK_DELETE, true, false, false, false, KeyUse::Dialog},
      {VK_DELETE, false, false, false, true, KeyUse::Dialog},  {VK_DELETE, true, true, false, true, KeyUse::Dialog},
      {VK_INSERT, false, true, false, true, KeyUse::Copy},     {VK_INSERT, true, false, false, false, KeyUse::Paste},
      {VK_INSERT, false, false, false, true, KeyUse::Dialog},  {'C', false, true, false, true, KeyUse::Copy},
      {'X', false, true, false, true, KeyUse::Cut},            {'V', false, true, false, false, KeyUse::Paste},
      {'V', false, true, true, false, KeyUse::Platform},       {'V', false, false, false, false, KeyUse::Platform},
  };
  for (const auto& c : cases) {
    field.edit.selEnd = c.selection ? 2 : 0;
    dialog_manager::KeyPress key;
    key.virtualKey = c.key;
    key.shift = c.shift, key.control = c.control, key.alt = c.alt;
    EXPECT_EQ(dialog_manager::UseOf(&field, key, true), c.use)
        << c.key << " shift " << c.shift << " ctrl " << c.control << " alt " << c.alt << " selection " << c.selection;
  }
}

}  // namespace
