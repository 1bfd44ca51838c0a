// Reading compiled Win32 resources: the .res file that windres writes, and
// the extended dialog template inside it. The stand-in builds its dialogs
// from these, and tests check the compiled template with them.
#ifndef RGBHSV_PLATFORM_STANDIN_RESOURCES_H
#define RGBHSV_PLATFORM_STANDIN_RESOURCES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// A resource's type or name: an ordinal, or a string.
struct ResourceId {
  bool isOrdinal = true;
  uint16_t ordinal = 0;
  std::string name;
  bool operator==(uint16_t n) const { return isOrdinal && ordinal == n; }
};

struct Resource {
  ResourceId type;
  ResourceId name;
  uint16_t language = 0;
  std::vector<uint8_t> data;
};

constexpr uint16_t kRtIcon = 3, kRtDialog = 5, kRtGroupIcon = 14;

// Every resource in a .res file; false if the file is malformed.
bool ReadResFile(const uint8_t* bytes, size_t size, std::vector<Resource>* out);

struct TemplateControl {
  uint32_t helpId, exStyle, style;
  int16_t x, y, cx, cy;
  uint32_t id;
  ResourceId windowClass;
  ResourceId title;
  uint16_t extraCount;
};

struct DialogTemplateEx {
  uint16_t version, signature;
  uint32_t helpId, exStyle, style;
  int16_t x, y, cx, cy;
  ResourceId menu, windowClass;
  std::string title;
  uint16_t pointSize, weight;
  uint8_t italic, charset;
  std::string typeface;
  std::vector<TemplateControl> controls;
};

// An extended dialog template (DLGTEMPLATEEX); false if malformed.
bool ReadDialogTemplateEx(const std::vector<uint8_t>& bytes, DialogTemplateEx* out);

// Registers every dialog template and icon group of a .res file with the
// stand-in, as the executable's own resources; false if malformed.
bool LoadResources(const uint8_t* bytes, size_t size);

}  // namespace standin

#endif
