// libFuzzer: any sequence of typing, pasting, deleting, undoing, selecting
// and writing, on any bytes, keeps a field sound: its text valid UTF-8, its
// selection within the text, the user's input within the limit, and
// characters typed into a digits-only field digits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shared/edit_rules.h"

namespace {

struct Input {
  const uint8_t* bytes;
  size_t size, at = 0;
  uint8_t Byte() { return at < size ? bytes[at++] : 0; }
  uint32_t Number() { return uint32_t(Byte()) | uint32_t(Byte()) << 8 | uint32_t(Byte()) << 16; }
  std::string Text() {
    std::string text;
    for (size_t n = Byte() % 12; n > 0 && at < size; --n) text += static_cast<char>(Byte());
    return text;
  }
};

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

bool ValidUtf8(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    char32_t point;
    const size_t size = edit::DecodeCharacter(text, at, &point);
    if (size == 0) return false;
    at += size;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  Input in{bytes, size};
  edit::EditState e;
  e.limit = in.Byte() % 6;
  e.digitsOnly = in.Byte() & 1;
  while (in.at < in.size) {
    const edit::EditState before = e;
    bool userInput = true;
    switch (in.Byte() % 8) {
      case 0: {
        const uint32_t pick = in.Number();
        // Mostly digits and letters, sometimes any code point at all.
        const char32_t c = pick & 1   ? U'0' + (pick >> 1) % 10
                           : pick & 2 ? U'a' + (pick >> 2) % 26
                                      : (pick >> 2) % 0x110010;
        edit::Type(e, c);
        if (e.digitsOnly && c != '\b' && !(c >= '0' && c <= '9')) {
          Check(e.text == before.text, "a character other than a digit typed into a digits-only field");
        }
        break;
      }
      case 1: edit::Paste(e, in.Text()); break;
      case 2: edit::Clear(e); break;
      case 3:
        edit::Undo(e);
        userInput = false;
        break;  // back to an older text, which may be longer
      case 4: {
        const auto a = static_cast<long long>(in.Number() % 8) - 2, b = static_cast<long long>(in.Number() % 8) - 2;
        edit::Select(e, a, b);
        break;
      }
      case 5: edit::Insert(e, in.Byte() % 8, in.Text()); break;
      case 6: edit::Delete(e, in.Byte() % 8, in.Byte() % 8); break;
      default: {
        // A program's write; and the difference between two texts, which
        // must turn the first into the second.
        const std::string after = in.Text();
        const edit::Change change = edit::Difference(e.text, after, in.Byte() % 8);
        const std::string old = e.text;
        const size_t from = edit::ByteOffset(old, change.at), to = edit::ByteOffset(old, change.at + change.removed);
        if (ValidUtf8(after)) {
          Check(old.substr(0, from) + change.inserted + old.substr(to) == after,
                "a difference that does not rebuild the text");
        }
        edit::SetText(e, after);
        userInput = false;
        break;
      }
    }
    Check(ValidUtf8(e.text), "text that is not valid UTF-8");
    Check(e.selStart <= e.selEnd && e.selEnd <= edit::Length(e), "a selection outside the text");
    if (userInput) {
      Check(edit::Length(e) <= std::max(e.limit, edit::Length(before)), "input past the limit");
    }
  }
  return 0;
}
