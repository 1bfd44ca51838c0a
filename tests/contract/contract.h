// The contract of the dialog services that the dialog relies on, written
// once against the Win32 API alone, as a Win32 program would use it, and
// run on every implementation behind platform/win32.h: the real dialog
// manager (under Wine here), the in-memory stand-in, and any other.
//
// Each test opens the program's own dialog template modelessly over a
// recording dialog procedure and drives it with the messages that a user's
// keystrokes become.
#ifndef RGBHSV_TESTS_CONTRACT_CONTRACT_H
#define RGBHSV_TESTS_CONTRACT_CONTRACT_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../platform/win32.h"
#include "../../resources/resource.h"

// Set by each implementation's environment: whether the services are Wine's.
// Where Wine is known to answer otherwise than Windows, the tests accept
// Wine's answer on Wine only.
bool RunningOnWine();

constexpr int kFields[6] = {IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION, IDC_VALUE};

class Contract : public testing::Test {
 protected:
  struct Command {
    int id;
    int code;
    HWND control;
  };
  // What the dialog procedure received, in order.
  static std::vector<UINT> messages;
  static std::vector<Command> commands;
  static INT_PTR CALLBACK RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  void SetUp() override;
  void TearDown() override;

  HWND Item(int id) const { return GetDlgItem(dialog, id); }
  std::string Text(int id) const;
  void SetText(int id, const char* text);  // WM_SETTEXT, as another program might
  void Select(int id, int start, int end);  // gives the field the focus first
  DWORD Selection(int id) const;            // EM_GETSEL: start in the low word
  void Char(int id, char c);                // WM_CHAR to the field, as typing sends
  void Paste(int id, const char* text);     // the clipboard's text, then WM_PASTE
  // A key pressed and released, through the dialog manager, on the focus;
  // with Shift and Ctrl held as given.
  void Key(WPARAM virtualKey);
  void KeyWith(bool shift, bool control, WPARAM virtualKey);
  std::string ClipboardText();  // as GetClipboardData has it
  int FocusId() const { return GetDlgCtrlID(GetFocus()); }

  // The notification codes from one control since the last Forget().
  std::vector<int> CodesFrom(int id) const;
  void Forget() {
    messages.clear();
    commands.clear();
  }

  HWND dialog = nullptr;
};

#endif
