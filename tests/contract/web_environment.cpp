// The contract suite on the web implementation, in a page: the program's
// resources taken once, as the program's start-up does.
#include "../../platform/web/win32_web.h"
#include "../../resources/program_resources.h"
#include "contract.h"

bool RunningOnWine() { return false; }

namespace {

class Web : public testing::Environment {
  void SetUp() override { ASSERT_TRUE(StartWeb(kProgramResources, kProgramResourcesSize)); }
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new Web);

}  // namespace
