// Checks the built executable itself: a 64-bit GUI program that imports from
// no DLL but the system's own, and from no more of them at its start than it
// must, and that carries exactly the program's resources. Reads the PE file
// directly, so it runs wherever it is built.
//
//   exe_check rgbhsv.exe
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "../support/converter_resources.h"

namespace {

struct Image {
  std::vector<uint8_t> bytes;
  struct Section {
    uint32_t rva, size, file;
  };
  std::vector<Section> sections;
  bool ok = true;

  uint32_t At(size_t offset, size_t n) {
    if (offset + n > bytes.size()) {
      ok = false;
      return 0;
    }
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= uint32_t(bytes[offset + i]) << (8 * i);
    return v;
  }
  // The file offset of a relative virtual address.
  size_t File(uint32_t rva) {
    for (const Section& s : sections) {
      if (rva >= s.rva && rva < s.rva + s.size) return s.file + (rva - s.rva);
    }
    ok = false;
    return 0;
  }
  std::string String(size_t offset) {
    std::string s;
    while (offset < bytes.size() && bytes[offset]) s += char(bytes[offset++]);
    return s;
  }
};

int failures = 0;
void Fail(const std::string& what) {
  ++failures;
  std::printf("failed: %s\n", what.c_str());
}

// One level of the resource tree: (ID, offset) pairs; names by string are
// reported with ID 0xFFFF.
std::vector<std::pair<uint16_t, uint32_t>> Entries(Image& pe, size_t base, uint32_t dir) {
  std::vector<std::pair<uint16_t, uint32_t>> out;
  const uint32_t count = pe.At(base + dir + 12, 2) + pe.At(base + dir + 14, 2);
  for (uint32_t i = 0; i < count && pe.ok; ++i) {
    const uint32_t name = pe.At(base + dir + 16 + 8 * i, 4);
    const uint32_t offset = pe.At(base + dir + 20 + 8 * i, 4);
    out.push_back({name & 0x80000000u ? uint16_t(0xFFFF) : uint16_t(name), offset});
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: exe_check PROGRAM.exe\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  Image pe;
  pe.bytes.assign(std::istreambuf_iterator<char>(file), {});
  const uint32_t header = pe.At(0x3C, 4);
  if (pe.At(header, 4) != 0x00004550) {
    std::printf("%s: not a PE file\n", argv[1]);
    return 1;
  }
  const size_t coff = header + 4, optional = coff + 20;
  if (pe.At(coff, 2) != 0x8664) Fail("not an x86-64 executable");
  if (pe.At(optional, 2) != 0x20B) Fail("not a PE32+ (64-bit) image");
  if (pe.At(optional + 68, 2) != 2) Fail("not the Windows GUI subsystem");
  const uint32_t sectionCount = pe.At(coff + 2, 2);
  const size_t sectionTable = optional + pe.At(coff + 16, 2);
  for (uint32_t i = 0; i < sectionCount; ++i) {
    const size_t s = sectionTable + 40 * i;
    pe.sections.push_back({pe.At(s + 12, 4), std::max(pe.At(s + 8, 4), pe.At(s + 16, 4)), pe.At(s + 20, 4)});
  }
  const size_t directories = optional + 112;

  // Imports at the start: three system DLLs and the C runtime. comdlg32.dll
  // is loaded when the chooser first opens (it brings comctl32 and more
  // with it), so it is not among them.
  std::set<std::string> imports;
  for (size_t d = pe.File(pe.At(directories + 8, 4)); pe.ok && pe.At(d + 12, 4) != 0; d += 20) {
    std::string name = pe.String(pe.File(pe.At(d + 12, 4)));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return char(std::toupper(c)); });
    imports.insert(name);
  }
  const std::set<std::string> expected = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL"};
  for (const std::string& name : imports) {
    if (!expected.count(name)) Fail("imports from " + name + " at the start");
  }
  for (const char* name : {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL"}) {
    if (!imports.count(name)) Fail(std::string("does not import from ") + name);
  }
  // GNU ld records the delay-loaded comdlg32 in no directory of the header;
  // a DLL named in that directory would escape the checks above.
  if (pe.At(directories + 13 * 8, 4) != 0) Fail("has a delay-import directory, which this check does not read");

  // Resources: type, then name, then language, then the data.
  std::vector<res::Resource> resources;
  const size_t base = pe.File(pe.At(directories + 16, 4));
  for (const auto& type : Entries(pe, base, 0)) {
    for (const auto& name : Entries(pe, base, type.second & 0x7FFFFFFF)) {
      for (const auto& language : Entries(pe, base, name.second & 0x7FFFFFFF)) {
        res::Resource res;
        res.type.ordinal = type.first;
        res.name.ordinal = name.first;
        res.language = language.first;
        const size_t entry = base + language.second;
        const size_t data = pe.File(pe.At(entry, 4));
        const uint32_t size = pe.At(entry + 4, 4);
        if (!pe.ok || data + size > pe.bytes.size()) break;
        res.data.assign(pe.bytes.begin() + long(data), pe.bytes.begin() + long(data + size));
        resources.push_back(res);
      }
    }
  }
  if (!pe.ok) Fail("the image is truncated or malformed");
  for (const std::string& failure : CheckConverterResources(resources, Carrier::Executable)) Fail(failure);

  std::printf("%s: %s (%zu bytes)\n", argv[1], failures ? "FAILED" : "passed", pe.bytes.size());
  return failures ? 1 : 0;
}
