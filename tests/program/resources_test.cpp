#include <gtest/gtest.h>

#include "../../resources/program_resources.h"
#include "../support/converter_resources.h"

namespace {

TEST(Resources, CompiledResourcesAreExactlyTheProgramsOwn) {
  std::vector<res::Resource> resources;
  ASSERT_TRUE(res::ReadResFile(kProgramResources, kProgramResourcesSize, &resources));
  for (const std::string& failure : CheckConverterResources(resources)) ADD_FAILURE() << failure;
}

TEST(Resources, TheCheckNoticesADifference) {
  std::vector<res::Resource> resources;
  ASSERT_TRUE(res::ReadResFile(kProgramResources, kProgramResourcesSize, &resources));
  // One style bit off, and one stray resource.
  for (res::Resource& res : resources) {
    if (res.type == res::kRtDialog) res.data[0x60] ^= 0x01;  // the first control's style
  }
  res::Resource extra;
  extra.type.ordinal = 6;  // a string table
  extra.name.ordinal = 1;
  resources.push_back(extra);
  const std::vector<std::string> failures = CheckConverterResources(resources);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("control 1 style"), std::string::npos) << failures[0];
  EXPECT_NE(failures[1].find("not one of the program's resources"), std::string::npos) << failures[1];
}

}  // namespace
