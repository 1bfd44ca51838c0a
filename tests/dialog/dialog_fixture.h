// A dialog with the converter's controls over the stand-in, its commands
// handed to OnCommand, and every process-wide record back at its start.
#ifndef RGBHSV_TESTS_DIALOG_FIXTURE_H
#define RGBHSV_TESTS_DIALOG_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"
#include "standin/driver.h"

constexpr int kFieldIds[6] = {IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION, IDC_VALUE};

// The six fields' texts, red to value.
using Fields = std::vector<std::string>;

class DialogTest : public testing::Test {
 protected:
  static constexpr int kTemplate = 101;

  // What the dialog procedure saw: each WM_COMMAND with `updating` as it
  // stood when the command arrived.
  struct Seen {
    int id;
    int code;
    int32_t updating;
  };
  static std::vector<Seen> seen;

  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
      seen.push_back({LOWORD(wParam), HIWORD(wParam), updating});
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return FALSE;
    }
    if (message == WM_CLOSE) {
      EndDialog(dialog, 0);
      return TRUE;
    }
    return message == WM_INITDIALOG;
  }

  void SetUp() override { Start(Proc); }

  // Opens the dialog afresh over `proc`, every record back at its start.
  void Start(DLGPROC proc) {
    standin::Reset();
    colorState = ColorState{255, 255, 255, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0};
    updating = 0;
    for (COLORREF& c : customColors) c = 0;
    pickerRecord = CHOOSECOLORA{};
    seen.clear();

    const DWORD field = 0x50812080;
    standin::DialogSpec spec;
    spec.caption = "RGB <-> HSV";
    spec.controls = {
        {IDC_SELECT, "BUTTON", 0x50010000, 160, 14, 50, 14, "Select..."},
        {IDC_SWATCH, "STATIC", 0x50800004, 3, 3, 45, 57, ""},
        {IDC_RED, "EDIT", field, 55, 14, 31, 14, ""},
        {IDC_GREEN, "EDIT", field, 87, 14, 31, 14, ""},
        {IDC_BLUE, "EDIT", field, 119, 14, 31, 14, ""},
        {IDC_HUE, "EDIT", field, 55, 47, 31, 14, ""},
        {IDC_SATURATION, "EDIT", field, 87, 47, 31, 14, ""},
        {IDC_VALUE, "EDIT", field, 119, 47, 31, 14, ""},
    };
    standin::RegisterTemplate(kTemplate, spec);
    dialog = standin::OpenDialog(kTemplate, proc);
    ASSERT_NE(dialog, nullptr);
    // Start as the program does: limited fields, white written through the
    // ordinary handling, the chooser record prepared.
    for (int id : kFieldIds) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 3, 0);
    const UINT white[6] = {255, 255, 255, 0, 0, 255};
    for (int i = 0; i < 6; ++i) SetDlgItemInt(dialog, kFieldIds[i], white[i], FALSE);
    InitColorPicker(dialog);
    seen.clear();
  }

  Fields Shown() const {
    Fields f;
    for (int id : kFieldIds) f.push_back(standin::Text(dialog, id));
    return f;
  }

  int Conversions() const {  // commands that got past the guard and converted
    int n = 0;
    for (const Seen& s : seen) n += s.code == EN_CHANGE && s.updating == 0;
    return n;
  }

  HWND dialog = nullptr;
};

#endif
