#include "fields.h"

#include "dialog.h"

FieldReading fieldReadings[6] = {};

static FieldReading& ReadingOf(int id) { return fieldReadings[id - IDC_RED]; }

static FieldReading Read(HWND dialog, int id) {
  BOOL translated = FALSE;
  const UINT number = GetDlgItemInt(dialog, id, &translated, FALSE);
  return {number, translated};
}

UINT ReadField(HWND dialog, int id) {
  ReadingOf(id) = Read(dialog, id);
  return ReadingOf(id).number;
}

bool RereadUnchanged(HWND dialog, int id) {
  const FieldReading now = Read(dialog, id);
  FieldReading& before = ReadingOf(id);
  const bool same = now.number == before.number && now.isNumber == before.isNumber;
  before = now;
  return same;
}

void WriteField(HWND dialog, int id, UINT number) {
  SetDlgItemInt(dialog, id, number, FALSE);
  ReadingOf(id) = {number, TRUE};
}
