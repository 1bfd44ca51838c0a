// The converter's dialog over the stand-in, its commands
// handed to OnCommand, and every process-wide record back at its start.
#ifndef RGBHSV_TESTS_DIALOG_FIXTURE_H
#define RGBHSV_TESTS_DIALOG_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"
#include "../../resources/program_resources.h"
#include "../support/process_records.h"
#include "standin/driver.h"
#include "standin/resources.h"

constexpr int kFieldIds[6] = {IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION, IDC_VALUE};

// The six fields' texts, red to value.
using Fields = std::vector<std::string>;

class DialogTest : public testing::Test {
 protected:
  static constexpr int kTemplate = IDD_CONVERTER;

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
    ResetProcessRecords();
    seen.clear();
    // The dialog built from the program's own compiled template, but over
    // `proc` rather than the program's dialog procedure.
    ASSERT_TRUE(standin::LoadResources(kProgramResources, kProgramResourcesSize));
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
