// The contract suite on the native Linux implementation over GTK 3: the
// display opened and the program's resources taken once, as the program's
// start-up does.
#include "../../platform/gtk/win32_gtk.h"
#include "../../resources/program_resources.h"
#include "contract.h"

bool RunningOnWine() { return false; }

namespace {

class Gtk : public testing::Environment {
  void SetUp() override {
    int argc = 1;
    char name[] = "gtk_contract";
    char* args[] = {name, nullptr};
    char** argv = args;
    ASSERT_TRUE(StartGtk(&argc, &argv, kProgramResources, kProgramResourcesSize));
  }
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new Gtk);

}  // namespace
