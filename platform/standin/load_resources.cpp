// The executable's resources, for the stand-in: its dialogs are built from
// the compiled template and its icons are known by group.
#include "state.h"
#include "resources.h"

namespace standin {

static std::string ClassName(const ResourceId& windowClass) {
  if (!windowClass.isOrdinal) return windowClass.name;
  switch (windowClass.ordinal) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    default: return "?";
  }
}

bool LoadResources(const uint8_t* bytes, size_t size) {
  std::vector<Resource> resources;
  if (!ReadResFile(bytes, size, &resources)) return false;
  for (const Resource& res : resources) {
    if (!res.name.isOrdinal) continue;
    if (res.type == kRtGroupIcon) RegisterIcon(res.name.ordinal);
    if (!(res.type == kRtDialog)) continue;
    DialogTemplateEx t;
    if (!ReadDialogTemplateEx(res.data, &t)) return false;
    DialogSpec spec;
    spec.style = t.style;
    spec.x = t.x, spec.y = t.y, spec.cx = t.cx, spec.cy = t.cy;
    spec.caption = t.title;
    for (const TemplateControl& c : t.controls) {
      spec.controls.push_back({static_cast<int>(static_cast<int32_t>(c.id)), ClassName(c.windowClass),
                               c.style, c.x, c.y, c.cx, c.cy, c.title.name});
    }
    RegisterTemplate(res.name.ordinal, spec);
  }
  return true;
}

}  // namespace standin
