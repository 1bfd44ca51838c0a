// Puts every process-wide record back as it is when the process starts, so
// that each test runs the dialog as a fresh process would.
#ifndef RGBHSV_TESTS_SUPPORT_PROCESS_RECORDS_H
#define RGBHSV_TESTS_SUPPORT_PROCESS_RECORDS_H

#include "../../conversion/color.h"
#include "../../dialog/dialog.h"

inline void ResetProcessRecords() {
  colorState = ColorState{255, 255, 255, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0};
  updating = 0;
  for (FieldReading& r : fieldReadings) r = FieldReading{0, FALSE};
  for (COLORREF& c : customColors) c = 0;
  pickerRecord = CHOOSECOLORA{};
  previousSwatchProc = nullptr;
}

#endif
