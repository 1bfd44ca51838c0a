// The contract suite on the in-memory stand-in: every test starts it afresh
// with the program's compiled resources, as the executable would carry them.
#include "../../resources/program_resources.h"
#include "contract.h"
#include "standin/win32_standin.h"
#include "shared/resources.h"

bool RunningOnWine() { return false; }

namespace {

class Fresh : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    standin::Reset();
    ASSERT_TRUE(standin::LoadResources(kProgramResources, kProgramResourcesSize));
  }
};

const bool registered = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new Fresh);
  return true;
}();

}  // namespace
