// The rules of a single-line edit control as the dialog relies on them, as
// Wine's edit control keeps them: what typing, pasting, deleting, undoing
// and a program's writes do to the text and the selection, and which
// notifications the parent hears, in order. Pure: the dialog manager keeps
// an EditState per field and applies these.
//
// The text is UTF-8, always valid: what comes in otherwise has each
// maximal invalid sequence (the longest start of a character that is not
// completed, or else one byte) replaced by one U+FFFD, as the Unicode
// standard recommends and browsers decode. Positions, the selection
// and the limit count characters, as Windows' edit control counts its
// characters, so that no edit cuts a character in half.
#ifndef RGBHSV_PLATFORM_SHARED_EDIT_RULES_H
#define RGBHSV_PLATFORM_SHARED_EDIT_RULES_H

#include <cstddef>
#include <string>

namespace edit {

struct EditState {
  std::string text;                 // UTF-8
  size_t selStart = 0, selEnd = 0;  // characters; selStart <= selEnd; equal: the caret
  size_t limit = 30000;             // characters the user may enter
  bool digitsOnly = false;          // ES_NUMBER: typed characters only
  std::string undoText;             // the text before the last user edit
  bool canUndo = false;
};

// The notifications one operation sends, in order: EN_MAXTEXT when input
// was cut at the limit, then EN_UPDATE and EN_CHANGE when the text changed
// (or, as in Wine, when input was refused at the limit), or only EN_CHANGE
// (Undo with nothing to undo).
struct Notifications {
  bool maxText = false;
  bool update = false;
  bool change = false;
  // Several steps of one change, notified once.
  Notifications& operator|=(const Notifications& o) {
    maxText = maxText || o.maxText;
    update = update || o.update;
    change = change || o.change;
    return *this;
  }
};

// A typed character, a whole code point: printable ones (digits only with
// digitsOnly) replace the selection, up to the limit; '\b' deletes the
// selection or the character before the caret. Control characters, DEL,
// surrogates and what is past U+10FFFF do nothing here.
Notifications Type(EditState& e, char32_t c);
// Pasted text: its first line replaces the selection, cut to the limit;
// digitsOnly does not apply.
Notifications Paste(EditState& e, const std::string& clipboard);
// Deletes the selection (WM_CLEAR); nothing without one.
Notifications Clear(EditState& e);
// One step back, and again forward (WM_UNDO).
Notifications Undo(EditState& e);
// A program's write (WM_SETTEXT): neither limit nor digitsOnly applies, the
// caret goes to the start, there is nothing left to undo, and even the same
// text is a change.
Notifications SetText(EditState& e, const std::string& text);
// EM_SETSEL: a negative start removes the selection, a negative end means
// the end of the text; both are held to the text.
void Select(EditState& e, long long start, long long end);

// What another way in (a drop, the middle button's paste, an input method)
// does: text inserted at a position, held to the same rules as a paste;
// characters start..end deleted.
Notifications Insert(EditState& e, size_t at, const std::string& text);
Notifications Delete(EditState& e, size_t start, size_t end);

// What changed between two texts of an edit, in characters: `removed`
// characters at `at` replaced by `inserted`. A platform that reports only the
// text after its own change (an input method, autofill) gives the caret after
// it too: where the change could lie in several places ("1" to "11"), it is
// taken to end at the caret.
struct Change {
  size_t at = 0, removed = 0;
  std::string inserted;
};
Change Difference(const std::string& before, const std::string& after, size_t caretAfter);

// The first code point of UTF-8 text, and how many bytes it takes; 0 bytes
// if no valid character starts the text.
size_t DecodeCharacter(const std::string& text, size_t at, char32_t* point);
// Where no valid character starts at `at` (before the text's end): how many
// bytes one U+FFFD stands for.
size_t InvalidSequenceLength(const std::string& text, size_t at);

// The text's length in characters, and the selected text.
size_t Length(const EditState& e);
size_t CharacterCount(const std::string& text);
std::string Selected(const EditState& e);
// The byte where character `chars` of UTF-8 text starts (its size past the end).
size_t ByteOffset(const std::string& text, size_t chars);
// How many of the text's first bytes, at most `bytes`, hold whole characters.
size_t WholeCharactersIn(const std::string& text, size_t bytes);

}  // namespace edit

#endif
