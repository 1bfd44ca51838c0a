#include "edit_rules.h"

#include <algorithm>

namespace edit {

static Notifications Changed() {
  Notifications n;
  n.update = n.change = true;
  return n;
}

// Replaces the selection; only the user's input is held to the limit, and
// what does not fit is cut off with EN_MAXTEXT. Wine notifies a change even
// when a keystroke is refused at the limit.
static Notifications Replace(EditState& e, std::string insert, bool honourLimit) {
  const size_t kept = e.text.size() - (e.selEnd - e.selStart);
  Notifications n;
  if (honourLimit && kept + insert.size() > e.limit) {
    insert.resize(e.limit > kept ? e.limit - kept : 0);
    n.maxText = true;
  }
  const bool changed = !insert.empty() || e.selEnd > e.selStart;
  if (changed) {
    e.undoText = e.text;
    e.canUndo = true;
  }
  e.text.replace(e.selStart, e.selEnd - e.selStart, insert);
  e.selStart = e.selEnd = e.selStart + insert.size();
  if (changed || n.maxText) n.update = n.change = true;
  return n;
}

Notifications Type(EditState& e, char c) {
  if (c == '\b') {
    if (e.selStart == e.selEnd) {
      if (e.selStart == 0) return {};  // nothing before the caret: no change
      --e.selStart;
    }
    return Replace(e, "", false);
  }
  if (static_cast<unsigned char>(c) < 0x20) return {};
  if (e.digitsOnly && !(c >= '0' && c <= '9')) return {};
  return Replace(e, std::string(1, c), true);
}

Notifications Paste(EditState& e, const std::string& clipboard) {
  return Replace(e, clipboard.substr(0, clipboard.find_first_of("\r\n")), true);
}

Notifications Clear(EditState& e) {
  if (e.selStart == e.selEnd) return {};
  return Replace(e, "", false);
}

Notifications Undo(EditState& e) {
  Notifications n;
  if (e.canUndo) {
    std::swap(e.text, e.undoText);
    e.selStart = e.selEnd = e.text.size();
    n = Changed();
  }
  n.change = true;  // with nothing to undo, Wine still says so
  return n;
}

Notifications SetText(EditState& e, const std::string& text) {
  e.text = text;
  e.selStart = e.selEnd = 0;
  e.canUndo = false;
  return Changed();
}

void Select(EditState& e, long long start, long long end) {
  const size_t size = e.text.size();
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
