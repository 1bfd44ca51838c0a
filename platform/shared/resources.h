// Reading compiled Win32 resources: the .res file that windres writes, the
// extended dialog template and the icon groups inside it. Every
// implementation of the dialog services off Windows builds its dialogs and
// icons from these, and tests check the compiled resources with them.
#ifndef RGBHSV_PLATFORM_SHARED_RESOURCES_H
#define RGBHSV_PLATFORM_SHARED_RESOURCES_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace res {

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

constexpr uint16_t kRtIcon = 3, kRtDialog = 5, kRtString = 6, kRtGroupIcon = 14;

// Every resource in a .res file; false if the file is malformed.
bool ReadResFile(const uint8_t* bytes, size_t size, std::vector<Resource>* out);

struct DialogItemTemplateEx {
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
  std::vector<DialogItemTemplateEx> controls;
};

// An extended dialog template (DLGTEMPLATEEX); false if malformed.
bool ReadDialogTemplateEx(const std::vector<uint8_t>& bytes, DialogTemplateEx* out);

// A dialog as a program's resources give it: its controls with their class
// names ("BUTTON", "EDIT", "STATIC"), geometry in dialog units.
struct ControlTemplate {
  int id;
  std::string className;
  uint32_t style;
  int x, y, cx, cy;
  std::string text;
};

struct DialogTemplate {
  uint32_t style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string caption;
  std::string font;
  int pointSize = 0;
  std::vector<ControlTemplate> controls;
};

// The dialogs, icon groups and strings of a .res file, by resource ID; each
// icon group as the bytes of an .ico file holding its images, each string
// as UTF-8.
struct ProgramResources {
  std::map<int, DialogTemplate> dialogs;
  std::map<int, std::vector<uint8_t>> icons;
  std::map<int, std::string> strings;
};
bool ReadProgramResources(const uint8_t* bytes, size_t size, ProgramResources* out);

}  // namespace res

#endif
