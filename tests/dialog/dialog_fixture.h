// The converter's dialog over the stand-in, run by the program's own dialog
// procedure with every process-wide record back at its start, and the
// commands it received.
#ifndef RGBHSV_TESTS_DIALOG_FIXTURE_H
#define RGBHSV_TESTS_DIALOG_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"
#include "../../resources/program_resources.h"
#include "../support/process_records.h"
#include "../support/user.h"
#include "shared/resources.h"

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

  // The program's own dialog procedure, watched.
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) seen.push_back({LOWORD(wParam), HIWORD(wParam), updating});
    return ConverterDialogProc(dialog, message, wParam, lParam);
  }

  void SetUp() override { Start(Proc); }

  // Opens the dialog afresh over `proc`, every record back at its start: the
  // program's own compiled template, started by its own WM_INITDIALOG.
  void Start(DLGPROC proc) {
    user::Reset();
    ResetProcessRecords();
    ASSERT_TRUE(standin::LoadResources(kProgramResources, kProgramResourcesSize));
    dialog = user::OpenDialog(kTemplate, proc);
    ASSERT_NE(dialog, nullptr);
    seen.clear();
  }

  Fields Shown() const {
    Fields f;
    for (int id : kFieldIds) f.push_back(user::Text(dialog, id));
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
