// The executable's resources, for the stand-in: its dialogs are built from
// the compiled templates and its icons are known by group.
#include "../shared/resources.h"
#include "state.h"

namespace standin {

bool LoadResources(const uint8_t* bytes, size_t size) {
  res::ProgramResources program;
  if (!res::ReadProgramResources(bytes, size, &program)) return false;
  for (const auto& [id, spec] : program.dialogs) RegisterTemplate(id, spec);
  for (const auto& icon : program.icons) RegisterIcon(icon.first);
  return true;
}

}  // namespace standin
