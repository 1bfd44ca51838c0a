#include "converter_resources.h"

#include <cstdint>
#include <sstream>
#include <type_traits>

namespace {

using res::DialogTemplateEx;
using res::Resource;
using res::ResourceId;
using res::DialogItemTemplateEx;

struct Expected {
  uint32_t id;
  uint16_t classOrdinal;
  uint32_t style;
  int16_t x, y, cx, cy;
  const char* text;  // null: any non-empty text (the attribution line)
};

const uint32_t kField = 0x50812080;
const Expected kControls[11] = {
    {1001, 0x80, 0x50010000, 160, 14, 50, 14, "Select..."},
    {1002, 0x82, 0x50800004, 3, 3, 45, 57, ""},
    {1003, 0x81, kField, 55, 14, 31, 14, ""},
    {1004, 0x81, kField, 87, 14, 31, 14, ""},
    {1005, 0x81, kField, 119, 14, 31, 14, ""},
    {0xFFFFFFFF, 0x82, 0x58020000, 3, 66, 150, 8, nullptr},
    {1006, 0x81, kField, 55, 47, 31, 14, ""},
    {1007, 0x81, kField, 87, 47, 31, 14, ""},
    {1008, 0x81, kField, 119, 47, 31, 14, ""},
    {0xFFFFFFFF, 0x82, 0x50020000, 55, 3, 61, 8, "RGB color:"},
    {0xFFFFFFFF, 0x82, 0x50020000, 55, 34, 61, 8, "HSV color:"},
};

template <typename T>
auto Printable(const T& v) {
  if constexpr (std::is_arithmetic_v<T>) {
    return +v;  // small integers as numbers, not characters
  } else {
    return v;
  }
}

class Report {
 public:
  template <typename A, typename B>
  void Same(const std::string& what, const A& actual, const B& expected) {
    if (actual == expected) return;
    std::ostringstream line;
    line << what << ": " << Printable(actual) << ", expected " << Printable(expected);
    failures.push_back(line.str());
  }
  void Fail(const std::string& what) { failures.push_back(what); }
  std::vector<std::string> failures;
};

uint32_t Le(const std::vector<uint8_t>& d, size_t at, size_t n) {
  uint32_t v = 0;
  for (size_t i = 0; i < n && at + i < d.size(); ++i) v |= uint32_t(d[at + i]) << (8 * i);
  return v;
}

void CheckDialog(const Resource& res, Report& r) {
  DialogTemplateEx d;
  if (!res::ReadDialogTemplateEx(res.data, &d)) return r.Fail("dialog 101: not an extended template");
  r.Same("dialog helpId", d.helpId, 0u);
  r.Same("dialog exStyle", d.exStyle, 0u);
  r.Same("dialog style", d.style, 0x00C80840u);
  r.Same("dialog x", d.x, 0);
  r.Same("dialog y", d.y, 0);
  r.Same("dialog cx", d.cx, 213);
  r.Same("dialog cy", d.cy, 78);
  r.Same("dialog has a menu", d.menu.isOrdinal && d.menu.ordinal == 0, true);
  r.Same("dialog has a class", d.windowClass.isOrdinal && d.windowClass.ordinal == 0, true);
  r.Same("dialog caption", d.title, std::string("RGB <-> HSV"));
  r.Same("font size", d.pointSize, 8);
  r.Same("font weight", d.weight, 0);
  r.Same("font italic", d.italic, 0);
  r.Same("font charset", d.charset, 0);
  r.Same("font", d.typeface, std::string("MS Sans Serif"));
  r.Same("control count", d.controls.size(), size_t(11));
  for (size_t i = 0; i < d.controls.size() && i < 11; ++i) {
    const DialogItemTemplateEx& c = d.controls[i];
    const Expected& e = kControls[i];
    const std::string n = "control " + std::to_string(i + 1) + " ";
    r.Same(n + "helpId", c.helpId, 0u);
    r.Same(n + "exStyle", c.exStyle, 0u);
    r.Same(n + "id", c.id, e.id);
    r.Same(n + "class is an ordinal", c.windowClass.isOrdinal, true);
    r.Same(n + "class", c.windowClass.ordinal, e.classOrdinal);
    r.Same(n + "style", c.style, e.style);
    r.Same(n + "x", c.x, e.x);
    r.Same(n + "y", c.y, e.y);
    r.Same(n + "cx", c.cx, e.cx);
    r.Same(n + "cy", c.cy, e.cy);
    r.Same(n + "text is a string", c.title.isOrdinal && c.title.ordinal != 0, false);
    if (e.text) {
      r.Same(n + "text", c.title.name, std::string(e.text));
    } else if (c.title.name.empty()) {
      r.Fail(n + "text: empty");
    }
    r.Same(n + "creation data", c.extraCount, 0);
  }
}

// GRPICONDIR: reserved, type 1, count, then 14-byte entries naming RT_ICON
// resources by ID.
void CheckIcons(const std::vector<Resource>& resources, const Resource& group, Report& r) {
  const std::vector<uint8_t>& g = group.data;
  r.Same("icon group type", Le(g, 2, 2), 1u);
  r.Same("icon group count", Le(g, 4, 2), 4u);
  const uint32_t formats[4][2] = {{16, 4}, {16, 8}, {32, 4}, {32, 8}};
  for (uint32_t i = 0; i < 4; ++i) {
    const size_t at = 6 + 14 * i;
    const std::string n = "icon " + std::to_string(i + 1) + " ";
    const uint32_t size = formats[i][0], bits = formats[i][1];
    r.Same(n + "width", Le(g, at, 1), size);
    r.Same(n + "height", Le(g, at + 1, 1), size);
    r.Same(n + "colors", Le(g, at + 2, 1), bits == 4 ? 16u : 0u);
    r.Same(n + "bit count", Le(g, at + 6, 2), bits);
    r.Same(n + "resource ID", Le(g, at + 12, 2), i + 1);
    const Resource* image = nullptr;
    for (const Resource& res : resources) {
      if (res.type == res::kRtIcon && res.name == uint16_t(i + 1)) image = &res;
    }
    if (!image) {
      r.Fail(n + "missing");
      continue;
    }
    const std::vector<uint8_t>& b = image->data;
    r.Same(n + "size in group", Le(g, at + 8, 4), uint32_t(b.size()));
    r.Same(n + "header", Le(b, 0, 4), 40u);
    r.Same(n + "bitmap width", Le(b, 4, 4), size);
    r.Same(n + "bitmap height (color and mask)", Le(b, 8, 4), 2 * size);
    r.Same(n + "bitmap bit count", Le(b, 14, 2), bits);
    r.Same(n + "compression", Le(b, 16, 4), 0u);
    const size_t colorRow = (size * bits / 8 + 3) & ~3u, maskRow = (size / 8 + 3) & ~3u;
    r.Same(n + "bytes", b.size(), 40 + 4 * (size_t(1) << bits) + (colorRow + maskRow) * size);
  }
}

}  // namespace

std::vector<std::string> CheckConverterResources(const std::vector<Resource>& resources, Carrier carrier) {
  Report r;
  int dialogs = 0, groups = 0, icons = 0, strings = 0;
  for (const Resource& res : resources) {
    const std::string n = "resource " + (res.type.isOrdinal ? std::to_string(res.type.ordinal) : res.type.name) +
                          "/" + (res.name.isOrdinal ? std::to_string(res.name.ordinal) : res.name.name);
    r.Same(n + " language", res.language, 0);
    if (res.type == res::kRtDialog && res.name == 101) {
      ++dialogs;
      CheckDialog(res, r);
    } else if (res.type == res::kRtGroupIcon && res.name == 102) {
      ++groups;
      CheckIcons(resources, res, r);
    } else if (res.type == res::kRtIcon && res.name.isOrdinal && res.name.ordinal >= 1 &&
               res.name.ordinal <= 4) {
      ++icons;
    } else if (carrier == Carrier::OffWindows && res.type == res::kRtString && (res.name == 63 || res.name == 64)) {
      ++strings;
    } else {
      r.Fail(n + ": not one of the program's resources");
    }
  }
  r.Same("dialog templates", dialogs, 1);
  r.Same("icon groups", groups, 1);
  r.Same("icon images", icons, 4);
  r.Same("string table blocks", strings, carrier == Carrier::OffWindows ? 2 : 0);
  return r.failures;
}
