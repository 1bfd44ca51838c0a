#include "resources.h"

namespace standin {

namespace {

// Little-endian reads that fail, rather than run past the end.
struct Reader {
  const uint8_t* bytes;
  size_t size;
  size_t at = 0;
  bool ok = true;

  uint32_t Get(size_t n) {
    if (at + n > size) {
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

  // A UTF-16 string ending in 0, narrowed (the templates are ASCII).
  std::string String() {
    std::string s;
    for (uint16_t c = Word(); ok && c != 0; c = Word()) s += c < 0x80 ? char(c) : '?';
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

bool ReadResFile(const uint8_t* bytes, size_t size, std::vector<Resource>* out) {
  Reader r{bytes, size};
  out->clear();
  while (r.ok && r.at < size) {
    const size_t start = r.at;
    const uint32_t dataSize = r.Dword();
    const uint32_t headerSize = r.Dword();
    Resource res;
    res.type = r.Id();
    res.name = r.Id();
    r.AlignTo(4);
    r.Dword();  // data version
    r.Word();   // memory flags
    res.language = r.Word();
    r.Dword();  // version
    r.Dword();  // characteristics
    if (!r.ok || start + headerSize + dataSize > size) return false;
    res.data.assign(bytes + start + headerSize, bytes + start + headerSize + dataSize);
    r.at = start + headerSize + dataSize;
    r.AlignTo(4);
    // The first entry of a .res file is an empty marker resource.
    if (!(res.type == 0 && res.name == 0 && dataSize == 0)) out->push_back(std::move(res));
  }
  return r.ok;
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
  if (d.style & 0x40) {  // DS_SETFONT
    d.pointSize = r.Word();
    d.weight = r.Word();
    d.italic = uint8_t(r.Get(1));
    d.charset = uint8_t(r.Get(1));
    d.typeface = r.String();
  }
  d.controls.clear();
  for (uint16_t i = 0; i < count && r.ok; ++i) {
    r.AlignTo(4);
    TemplateControl c;
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

}  // namespace standin
