#include "dialog_fixture.h"

std::vector<DialogTest::Seen> DialogTest::seen;
