#include "resources.h"

#include <algorithm>

#include "../win32_off_windows.h"
#include "utf8.h"

namespace res {

namespace {

// Little-endian reads that fail, rather than run past the end.
struct Reader {
  const uint8_t* bytes;
  size_t size;
  size_t at = 0;
  bool ok = true;

  uint32_t Get(size_t n) {
    if (at > size || n > size - at) {
      ok = false;
      return 0;
    }
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= uint32_t(bytes[at + i]) << (8 * i);
    at += n;
    return v;
  }
  uint16_t Word() { return static_cast<uint16_t>(Get(2)); }
  uint32_t Dword() { return Get(4); }
  void AlignTo(size_t n) { at = (at + n - 1) / n * n; }

  // A UTF-16 string ending in 0, as UTF-8; a surrogate without its pair
  // becomes U+FFFD.
  std::string String() {
    std::string s;
    for (uint32_t c = Word(); ok && c != 0; c = Word()) {
      if (c >= 0xD800 && c < 0xDC00) {
        const size_t before = at;
        const uint32_t low = Word();
        if (ok && low >= 0xDC00 && low < 0xE000) {
          c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        } else {
          at = before;  // not its pair: read on from there
          ok = true;
          c = 0xFFFD;
        }
      } else if (c >= 0xDC00 && c < 0xE000) {
        c = 0xFFFD;
      }
      AppendUtf8(s, c);
    }
    return s;
  }
  // 0xFFFF then an ordinal, or a string (an empty string is ordinal 0).
  ResourceId Id() {
    ResourceId id;
    const uint16_t first = Word();
    if (first == 0xFFFF) {
      id.ordinal = Word();
    } else if (first != 0) {
      at -= 2;
      id.isOrdinal = false;
      id.name = String();
    }
    return id;
  }
};

}  // namespace

// Each entry is a header (its own size, at least 32 bytes, covering the
// type, the name and five fixed fields) and then its data, aligned to four
// bytes. The sizes come from the file, so every one is checked against what
// is left before it is used: a damaged file ends the reading, with what was
// read before the damage kept in `out`.
bool ReadResFile(const uint8_t* bytes, size_t size, std::vector<Resource>* out) {
  constexpr size_t kSmallestHeader = 32;
  out->clear();
  size_t at = 0;
  while (at < size) {
    const size_t left = size - at;
    if (left < 8) return false;
    Reader sizes{bytes + at, 8};
    const uint32_t dataSize = sizes.Dword();
    const uint32_t headerSize = sizes.Dword();
    if (headerSize < kSmallestHeader || headerSize > left || dataSize > left - headerSize) return false;
    // The header is read within its own bytes, so that a name without its
    // end cannot run into the data.
    Reader header{bytes + at, headerSize, 8};
    Resource res;
    res.type = header.Id();
    res.name = header.Id();
    header.AlignTo(4);
    header.Dword();  // data version
    header.Word();   // memory flags
    res.language = header.Word();
    header.Dword();  // version
    header.Dword();  // characteristics
    if (!header.ok) return false;
    const uint8_t* data = bytes + at + headerSize;
    // The first entry of a .res file is an empty marker resource.
    if (!(res.type == 0 && res.name == 0 && dataSize == 0)) {
      res.data.assign(data, data + dataSize);
      out->push_back(std::move(res));
    }
    const size_t next = size_t(headerSize) + dataSize;
    at += std::min(left, (next + 3) / 4 * 4);
  }
  return true;
}

bool ReadDialogTemplateEx(const std::vector<uint8_t>& bytes, DialogTemplateEx* out) {
  Reader r{bytes.data(), bytes.size()};
  DialogTemplateEx& d = *out;
  d.version = r.Word();
  d.signature = r.Word();
  if (d.version != 1 || d.signature != 0xFFFF) return false;
  d.helpId = r.Dword();
  d.exStyle = r.Dword();
  d.style = r.Dword();
  const uint16_t count = r.Word();
  d.x = int16_t(r.Word());
  d.y = int16_t(r.Word());
  d.cx = int16_t(r.Word());
  d.cy = int16_t(r.Word());
  d.menu = r.Id();
  d.windowClass = r.Id();
  d.title = r.String();
  d.pointSize = d.weight = 0;
  d.italic = d.charset = 0;
  if (d.style & DS_SETFONT) {
    d.pointSize = r.Word();
    d.weight = r.Word();
    d.italic = uint8_t(r.Get(1));
    d.charset = uint8_t(r.Get(1));
    d.typeface = r.String();
  }
  d.controls.clear();
  for (uint16_t i = 0; i < count && r.ok; ++i) {
    r.AlignTo(4);
    DialogItemTemplateEx c;
    c.helpId = r.Dword();
    c.exStyle = r.Dword();
    c.style = r.Dword();
    c.x = int16_t(r.Word());
    c.y = int16_t(r.Word());
    c.cx = int16_t(r.Word());
    c.cy = int16_t(r.Word());
    c.id = r.Dword();
    c.windowClass = r.Id();
    c.title = r.Id();
    c.extraCount = r.Word();
    r.at += c.extraCount;
    d.controls.push_back(c);
  }
  return r.ok && r.at <= bytes.size();
}

}  // namespace res

namespace res {

static std::string ClassName(const ResourceId& windowClass) {
  if (!windowClass.isOrdinal) return windowClass.name;
  switch (windowClass.ordinal) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    default: return "?";
  }
}

static DialogTemplate ToDialogTemplate(const DialogTemplateEx& t) {
  DialogTemplate dialog;
  dialog.style = t.style;
  dialog.x = t.x, dialog.y = t.y, dialog.cx = t.cx, dialog.cy = t.cy;
  dialog.caption = t.title;
  dialog.font = t.typeface;
  dialog.pointSize = t.pointSize;
  for (const DialogItemTemplateEx& c : t.controls) {
    dialog.controls.push_back({static_cast<int>(static_cast<int32_t>(c.id)), ClassName(c.windowClass),
                               c.style, c.x, c.y, c.cx, c.cy, c.title.name});
  }
  return dialog;
}

static void Put(std::vector<uint8_t>& out, uint32_t value, size_t bytes) {
  for (size_t i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An .ico file: its directory is the group's (14-byte entries naming icon
// resources) with each entry's resource ID replaced by the image's offset.
static std::vector<uint8_t> IconFile(const std::vector<Resource>& all, const std::vector<uint8_t>& group) {
  if (group.size() < 6) return {};
  const size_t count = group[4] | group[5] << 8;
  if (group.size() < 6 + 14 * count) return {};
  std::vector<uint8_t> file(group.begin(), group.begin() + 6);
  std::vector<uint8_t> images;
  const size_t dataStart = 6 + 16 * count;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = &group[6 + 14 * i];
    const uint16_t id = static_cast<uint16_t>(entry[12] | entry[13] << 8);
    const Resource* image = nullptr;
    for (const Resource& r : all) {
      if (r.type == kRtIcon && r.name == id) image = &r;
    }
    if (image == nullptr) return {};
    file.insert(file.end(), entry, entry + 8);
    Put(file, static_cast<uint32_t>(image->data.size()), 4);
    Put(file, static_cast<uint32_t>(dataStart + images.size()), 4);
    images.insert(images.end(), image->data.begin(), image->data.end());
  }
  file.insert(file.end(), images.begin(), images.end());
  return file;
}

// A string table's block: 16 strings, each a length in UTF-16 units and
// then those units, the block's name (a number from 1) giving the first ID
// as (name - 1) * 16. An empty string is no string.
static bool ReadStrings(const Resource& block, std::map<int, std::string>* out) {
  std::vector<uint8_t> units;  // one string at a time, 0-terminated for the reader
  Reader r{block.data.data(), block.data.size()};
  for (int i = 0; i < 16; ++i) {
    const uint16_t length = r.Word();
    if (!r.ok || length > (r.size - r.at) / 2) return false;
    units.assign(block.data.begin() + static_cast<long>(r.at), block.data.begin() + static_cast<long>(r.at + 2 * length));
    units.push_back(0);
    units.push_back(0);
    r.at += 2 * size_t{length};
    Reader text{units.data(), units.size()};
    if (length > 0) (*out)[(block.name.ordinal - 1) * 16 + i] = text.String();
  }
  return true;
}

bool ReadProgramResources(const uint8_t* bytes, size_t size, ProgramResources* out) {
  std::vector<Resource> resources;
  if (!ReadResFile(bytes, size, &resources)) return false;
  for (const Resource& r : resources) {
    if (!r.name.isOrdinal) continue;
    if (r.type == kRtGroupIcon) {
      std::vector<uint8_t> file = IconFile(resources, r.data);
      if (file.empty()) return false;
      out->icons[r.name.ordinal] = std::move(file);
    } else if (r.type == kRtDialog) {
      DialogTemplateEx t;
      if (!ReadDialogTemplateEx(r.data, &t)) return false;
      out->dialogs[r.name.ordinal] = ToDialogTemplate(t);
    } else if (r.type == kRtString) {
      if (!ReadStrings(r, &out->strings)) return false;
    }
  }
  return true;
}

}  // namespace res
