// The kinds of the user's input that an implementation reports
// (dialog_manager::Input), in one list: the dialog manager's enum is made
// from it, and so are the names the page's script posts its events by, so
// that no number is written twice.
#ifndef RGBHSV_PLATFORM_SHARED_INPUT_KINDS_H
#define RGBHSV_PLATFORM_SHARED_INPUT_KINDS_H

#define RGBHSV_INPUT_KINDS(X)                                                                          \
  /* key: to IsDialogMessageA as a Windows dialog's loop hands it on, then its character as WM_CHAR */ \
  X(KeyDown)                                                                                          \
  X(KeyUp)     /* key */                                                                               \
  /* text typed other than key by key (an input method's commit, a phone's keyboard, dictation) */    \
  X(Typed)                                                                                            \
  X(Pasted)    /* text pasted or dropped, by the rules of WM_PASTE; or fetched from `source` */       \
  X(Deleted)   /* the field's characters start..end taken away (dragged out, or by the platform) */   \
  X(Cut)       /* the field's selection cut */                                                         \
  X(Copied)    /* the field's selection copied (a menu's Copy) */                                      \
  X(Undone)    /* the field's last edit undone */                                                      \
  /* the focus's characters erased from the caret without a key (a phone's keyboard): backward or */  \
  /* `forward`, a character or whole `words` (or lines), as the edit control's deleting keys do */     \
  X(Erased)                                                                                           \
  /* the field's text as the platform changed it by means it could not stop; the caret at `end` */    \
  X(Replaced)                                                                                         \
  X(Pressed)   /* the pointer pressed on a control: the focus, and a field's selection start..end */   \
  X(Tapped)    /* a field touched: focused with its number selected, as Tab does it */                \
  X(Clicked)   /* a button */                                                                          \
  X(Closed)    /* the close box */

#endif
