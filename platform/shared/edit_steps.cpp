// A platform's own changes to a field that come in steps for one action of
// the user's: GTK deletes a selection before it inserts an input method's
// text that replaces it, and a drop inserts, then a drag within the field
// deletes where the text came from. The steps are held here, not by the
// platform: a deletion until it is known whether typed text replaces it, a
// drop's notifications until its field's steps are done; the platform is
// asked to wake the dialog manager when it is next idle, which settles
// them, as does the user's next input.
#include <algorithm>

#include "dialog_manager_records.h"

namespace dialog_manager {

void SettleSteps() {
  Records& r = records();
  HWND edit = IfLive(r.stepsIn);
  edit::Notifications n = r.stepsNotified;
  const bool deletion = r.heldDeletion;
  r.stepsIn = nullptr;
  r.heldDeletion = false;
  r.stepsNotified = {};
  if (!edit) return;
  if (deletion) {
    n |= UserDeleted(edit, r.heldStart, r.heldEnd);
    backend::ShowEdit(edit);
  }
  NotifyEdit(edit, n);
}

void HoldStep(HWND edit, const Input& input) {
  Records& r = records();
  // Steps gather in one field, behind no deletion still held.
  if (r.stepsIn && (r.stepsIn != edit || r.heldDeletion)) SettleSteps();
  r.stepsIn = edit;
  const size_t length = edit::Length(edit->edit);
  const auto at = [&](long long p) { return p < 0 ? length : std::min(static_cast<size_t>(p), length); };
  if (input.step == EditStep::Replacing) {
    r.heldDeletion = true;
    r.heldStart = std::min(at(input.start), at(input.end));
    r.heldEnd = std::max(at(input.start), at(input.end));
  } else {
    r.stepsNotified |= edit::Insert(edit->edit, at(input.start), input.text);
    backend::ShowEdit(edit);
  }
  backend::WakeAt(backend::Now());
}

void TakeHeldDeletion(HWND edit, Input* typed) {
  Records& r = records();
  if (!r.heldDeletion || r.stepsIn != edit) return;
  r.heldDeletion = false;
  typed->start = static_cast<long long>(r.heldStart);
  typed->end = static_cast<long long>(r.heldEnd);
}

}  // namespace dialog_manager
