#include "edit_rules.h"

#include <algorithm>
#include <cstdint>

#include "utf8.h"

namespace edit {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::string ValidUtf8(const std::string& text) {
  std::string valid;
  for (size_t at = 0; at < text.size();) {
    char32_t point;
    const size_t size = DecodeCharacter(text, at, &point);
    valid.append(size ? text.substr(at, size) : "\xEF\xBF\xBD");  // U+FFFD
    at += size ? size : InvalidSequenceLength(text, at);
  }
  return valid;
}

Notifications Changed() {
  Notifications n;
  n.update = n.change = true;
  return n;
}

// Replaces the selection, as the user's input does (a program's writes do
// not come here): held to the limit, and what does not fit is cut off, at
// a character's end, with EN_MAXTEXT; a deletion that leaves a program's
// longer text still past the limit says so too, as Wine's does. Wine
// notifies a change even when a keystroke is refused at the limit.
Notifications Replace(EditState& e, const std::string& text) {
  std::string insert = ValidUtf8(text);
  const size_t kept = Length(e) - (e.selEnd - e.selStart);
  Notifications n;
  if (kept + CharacterCount(insert) > e.limit) {
    insert.resize(ByteOffset(insert, e.limit > kept ? e.limit - kept : 0));
    n.maxText = true;
  }
  const bool changed = !insert.empty() || e.selEnd > e.selStart;
  if (changed) {
    e.undoText = e.text;
    e.canUndo = true;
  }
  const size_t from = ByteOffset(e.text, e.selStart), to = ByteOffset(e.text, e.selEnd);
  e.text.replace(from, to - from, insert);
  e.selStart = e.selEnd = e.selStart + CharacterCount(insert);
  if (changed || n.maxText) n.update = n.change = true;
  return n;
}

}  // namespace

// A stray continuation byte, an overlong form, a surrogate, a code point
// past U+10FFFF or a character cut short starts no valid character.
size_t DecodeCharacter(const std::string& text, size_t at, char32_t* point) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  if (at >= text.size()) return 0;
  const unsigned char first = byte(0);
  size_t size = 0;
  char32_t lowest = 0;
  if (first < 0x80) {
    *point = first;
    return 1;
  }
  if ((first & 0xE0) == 0xC0) size = 2, lowest = 0x80;
  else if ((first & 0xF0) == 0xE0) size = 3, lowest = 0x800;
  else if ((first & 0xF8) == 0xF0) size = 4, lowest = 0x10000;
  else return 0;
  if (at + size > text.size()) return 0;
  char32_t p = first & (0x7F >> size);
  for (size_t i = 1; i < size; ++i) {
    if (!IsContinuation(byte(i))) return 0;
    p = p << 6 | (byte(i) & 0x3F);
  }
  if (p < lowest || p > 0x10FFFF || (p >= 0xD800 && p <= 0xDFFF)) return 0;
  *point = p;
  return size;
}

// The lead byte's range of a second byte is narrower where the shortest
// form or the surrogates or the end of Unicode would be passed.
size_t InvalidSequenceLength(const std::string& text, size_t at) {
  const auto first = static_cast<unsigned char>(text[at]);
  size_t needed = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (first >= 0xC2 && first <= 0xDF) {
    needed = 1;
  } else if (first >= 0xE0 && first <= 0xEF) {
    needed = 2;
    if (first == 0xE0) low = 0xA0;
    if (first == 0xED) high = 0x9F;
  } else if (first >= 0xF0 && first <= 0xF4) {
    needed = 3;
    if (first == 0xF0) low = 0x90;
    if (first == 0xF4) high = 0x8F;
  }
  size_t size = 1;
  while (size <= needed && at + size < text.size()) {
    const auto next = static_cast<unsigned char>(text[at + size]);
    if (next < low || next > high) break;
    low = 0x80;
    high = 0xBF;
    ++size;
  }
  return size;
}

size_t CharacterCount(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

size_t ByteOffset(const std::string& text, size_t chars) {
  size_t at = 0;
  for (; at < text.size() && chars > 0; --chars) {
    ++at;
    while (at < text.size() && IsContinuation(text[at])) ++at;
  }
  return at;
}

size_t Length(const EditState& e) { return CharacterCount(e.text); }

size_t WholeCharactersIn(const std::string& text, size_t bytes) {
  size_t n = std::min(text.size(), bytes);
  while (n < text.size() && IsContinuation(text[n])) --n;
  return n;
}

std::string Selected(const EditState& e) {
  const size_t from = ByteOffset(e.text, e.selStart), to = ByteOffset(e.text, e.selEnd);
  return e.text.substr(from, to - from);
}

Notifications Type(EditState& e, char32_t c) {
  if (c == '\b') {
    if (e.selStart == e.selEnd) {
      if (e.selStart == 0) return {};  // nothing before the caret: no change
      --e.selStart;
    }
    return Replace(e, "");
  }
  if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return {};
  if (e.digitsOnly && !(c >= '0' && c <= '9')) return {};
  std::string typed;
  AppendUtf8(typed, c);
  return Replace(e, typed);
}

Notifications Paste(EditState& e, const std::string& clipboard) {
  return Replace(e, clipboard.substr(0, clipboard.find_first_of("\r\n")));
}

Notifications Clear(EditState& e) {
  if (e.selStart == e.selEnd) return {};
  return Replace(e, "");
}

Notifications Insert(EditState& e, size_t at, const std::string& text) {
  Select(e, static_cast<long long>(at), static_cast<long long>(at));
  return Paste(e, text);
}

Notifications Delete(EditState& e, size_t start, size_t end) {
  Select(e, static_cast<long long>(start), static_cast<long long>(end));
  return Clear(e);
}

namespace {

bool SameCharacter(const std::string& a, size_t i, const std::string& b, size_t j) {
  const size_t fromA = ByteOffset(a, i), fromB = ByteOffset(b, j);
  return a.compare(fromA, ByteOffset(a, i + 1) - fromA, b, fromB, ByteOffset(b, j + 1) - fromB) == 0;
}

}  // namespace

Change Difference(const std::string& before, const std::string& after, size_t caretAfter) {
  const size_t oldLength = CharacterCount(before), newLength = CharacterCount(after);
  // What follows the caret is taken as untouched, so the change ends there
  // at the latest; then the two texts' common start.
  size_t tail = 0;
  while (tail < oldLength && tail < newLength &&
         SameCharacter(before, oldLength - 1 - tail, after, newLength - 1 - tail)) {
    ++tail;
  }
  tail = std::min(tail, newLength - std::min(caretAfter, newLength));
  size_t head = 0;
  while (head < oldLength - tail && head < newLength - tail && SameCharacter(before, head, after, head)) ++head;
  Change change;
  change.at = head;
  change.removed = oldLength - tail - head;
  const size_t from = ByteOffset(after, head), to = ByteOffset(after, newLength - tail);
  change.inserted = after.substr(from, to - from);
  return change;
}

Notifications Undo(EditState& e) {
  Notifications n;
  if (e.canUndo) {
    std::swap(e.text, e.undoText);
    e.selStart = e.selEnd = Length(e);
    n = Changed();
  }
  n.change = true;  // with nothing to undo, Wine still says so
  return n;
}

Notifications SetText(EditState& e, const std::string& text) {
  e.text = ValidUtf8(text);
  e.selStart = e.selEnd = 0;
  e.canUndo = false;
  return Changed();
}

void Select(EditState& e, long long start, long long end) {
  const size_t size = Length(e);
  if (start < 0) {
    e.selStart = e.selEnd = std::min(e.selEnd, size);
    return;
  }
  size_t a = std::min<size_t>(static_cast<size_t>(start), size);
  size_t b = end < 0 ? size : std::min<size_t>(static_cast<size_t>(end), size);
  if (a > b) std::swap(a, b);
  e.selStart = a;
  e.selEnd = b;
}

}  // namespace edit
