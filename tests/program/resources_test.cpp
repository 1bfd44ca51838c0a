#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "../../resources/program_resources.h"
#include "../support/converter_resources.h"

namespace {

TEST(Resources, CompiledResourcesAreExactlyTheProgramsOwn) {
  std::vector<res::Resource> resources;
  ASSERT_TRUE(res::ReadResFile(kProgramResources, kProgramResourcesSize, &resources));
  for (const std::string& failure : CheckConverterResources(resources, Carrier::OffWindows)) {
    ADD_FAILURE() << failure;
  }
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
  const std::vector<std::string> failures = CheckConverterResources(resources, Carrier::OffWindows);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("control 1 style"), std::string::npos) << failures[0];
  EXPECT_NE(failures[1].find("not one of the program's resources"), std::string::npos) << failures[1];
}

// Each icon group becomes an .ico file, as implementations load icons: the
// group's directory, each entry naming the size and place of its image,
// and the images, each one of the program's icon resources, in order.
TEST(Resources, IconGroupsBecomeWholeIcoFiles) {
  std::vector<res::Resource> all;
  ASSERT_TRUE(res::ReadResFile(kProgramResources, kProgramResourcesSize, &all));
  res::ProgramResources program;
  ASSERT_TRUE(res::ReadProgramResources(kProgramResources, kProgramResourcesSize, &program));
  ASSERT_FALSE(program.icons.empty());
  for (const auto& icon : program.icons) {
    const std::vector<uint8_t>& file = icon.second;
    const auto number = [&](size_t at, int bytes) {
      uint32_t n = 0;
      for (int i = bytes - 1; i >= 0; --i) n = n << 8 | file.at(at + static_cast<size_t>(i));
      return n;
    };
    ASSERT_EQ(number(2, 2), 1u) << "not an icon file";
    const size_t count = number(4, 2);
    size_t next = 6 + 16 * count;
    for (size_t i = 0; i < count; ++i) {
      const size_t size = number(6 + 16 * i + 8, 4), at = number(6 + 16 * i + 12, 4);
      ASSERT_EQ(at, next) << "image " << i;
      ASSERT_LE(at + size, file.size()) << "image " << i;
      const std::vector<uint8_t> image(file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at + size));
      EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const res::Resource& r) {
        return r.type.ordinal == res::kRtIcon && r.data == image;
      })) << "image " << i;
      next = at + size;
    }
    EXPECT_EQ(next, file.size());
  }
}

// A template's text beyond ASCII is kept, as UTF-8: the caption's "RGB"
// made U+00C9 and U+1F600 (a surrogate pair), then an unpaired surrogate.
TEST(Resources, TemplateTextBeyondAsciiIsKept) {
  std::vector<uint8_t> res(kProgramResources, kProgramResources + kProgramResourcesSize);
  const std::vector<uint8_t> caption = {'R', 0, 'G', 0, 'B', 0, ' ', 0, '<', 0};
  const auto at = std::search(res.begin(), res.end(), caption.begin(), caption.end());
  ASSERT_NE(at, res.end());
  const uint8_t foreign[] = {0xC9, 0x00, 0x3D, 0xD8, 0x00, 0xDE};
  std::copy(std::begin(foreign), std::end(foreign), at);
  res::ProgramResources program;
  ASSERT_TRUE(res::ReadProgramResources(res.data(), res.size(), &program));
  EXPECT_EQ(program.dialogs.begin()->second.caption, "\xC3\x89\xF0\x9F\x98\x80 <-> HSV");
  at[2] = 0x00, at[3] = 0xDC;  // two low surrogates, each alone
  ASSERT_TRUE(res::ReadProgramResources(res.data(), res.size(), &program));
  EXPECT_EQ(program.dialogs.begin()->second.caption, "\xC3\x89\xEF\xBF\xBD\xEF\xBF\xBD <-> HSV");
  // The surrogates' first and last: U+D800 U+DC00 is U+10000; U+D83D
  // before U+E000, which is no low surrogate, stands alone.
  const uint8_t edges[] = {0x00, 0xD8, 0x00, 0xDC, 0x3D, 0xD8, 0x00, 0xE0};
  std::copy(std::begin(edges), std::end(edges), at);
  ASSERT_TRUE(res::ReadProgramResources(res.data(), res.size(), &program));
  EXPECT_EQ(program.dialogs.begin()->second.caption, "\xF0\x90\x80\x80\xEF\xBF\xBD\xEE\x80\x80<-> HSV");
}

// Damaged .res files: each must end the reading promptly with false, never
// reading past the end and never looping, keeping the resources before the
// damage.
std::vector<uint8_t> Entry(const std::u16string& type, const std::u16string& name, size_t dataSize,
                           uint32_t headerSizeOverride = 0, uint32_t dataSizeOverride = 0) {
  std::vector<uint8_t> e(8, 0);
  auto word = [&](uint16_t w) {
    e.push_back(uint8_t(w));
    e.push_back(uint8_t(w >> 8));
  };
  for (const std::u16string& id : {type, name}) {
    for (char16_t c : id) word(c);  // an ordinal is given as u"\xFFFF\x0005"
    if (id.empty() || id[0] != 0xFFFF) word(0);
  }
  while (e.size() % 4) e.push_back(0);
  e.resize(e.size() + 16, 0);
  const uint32_t header = headerSizeOverride ? headerSizeOverride : uint32_t(e.size());
  const uint32_t data = dataSizeOverride ? dataSizeOverride : uint32_t(dataSize);
  for (int i = 0; i < 4; ++i) e[i] = uint8_t(data >> (8 * i)), e[4 + i] = uint8_t(header >> (8 * i));
  e.resize(e.size() + dataSize, 0xAB);
  while (e.size() % 4) e.push_back(0);
  return e;
}

TEST(Resources, DamagedFilesEndPromptlyWithWhatCameBefore) {
  const std::vector<uint8_t> real(kProgramResources, kProgramResources + kProgramResourcesSize);
  std::vector<res::Resource> all;
  ASSERT_TRUE(res::ReadResFile(real.data(), real.size(), &all));
  const std::u16string kDialog = u"\xFFFF\x0005", kOne = u"\xFFFF\x0001";
  auto plus = [&](std::vector<uint8_t> tail) {
    std::vector<uint8_t> bytes = real;
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
  };
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    bool ok;
    size_t kept;
  } cases[] = {
      {"well formed, with a named entry of no data", plus(Entry(u"NAME", u"N", 0)), true, all.size() + 1},
      {"32 zero bytes after the end", plus(std::vector<uint8_t>(32, 0)), false, all.size()},
      {"4096 zero bytes after the end", plus(std::vector<uint8_t>(4096, 0)), false, all.size()},
      {"3 bytes after the end", plus({0, 0, 0}), false, all.size()},
      {"a header size below 32", plus(Entry(kDialog, kOne, 4, 16)), false, all.size()},
      {"a header size below its names", plus(Entry(u"TYPE", u"N", 4, 32)), false, all.size()},
      {"a header size past the end", plus(Entry(kDialog, kOne, 4, 0x7FFFFFF0)), false, all.size()},
      {"a data size past the end", plus(Entry(kDialog, kOne, 4, 0, 0xFFFFFFF0)), false, all.size()},
      {"a name without its end", plus(Entry(std::u16string(12, u'X'), kOne, 4, 32)), false, all.size()},
  };
  for (const auto& c : cases) {
    std::vector<res::Resource> read;
    EXPECT_EQ(res::ReadResFile(c.bytes.data(), c.bytes.size(), &read), c.ok) << c.what;
    EXPECT_EQ(read.size(), c.kept) << c.what;
  }
  // Each resource's language is kept (here U.S. English, 0x0409).
  std::vector<uint8_t> english = Entry(u"NAME", u"N", 0);
  english[english.size() - 10] = 0x09, english[english.size() - 9] = 0x04;
  std::vector<res::Resource> read;
  ASSERT_TRUE(res::ReadResFile(plus(english).data(), plus(english).size(), &read));
  EXPECT_EQ(read.back().language, 0x0409);
  // Cut anywhere, the file reads only where the cut falls after an entry.
  std::set<size_t> boundaries = {0};
  for (size_t at = 0; at + 8 <= real.size();) {
    const uint32_t data = real[at] | real[at + 1] << 8 | real[at + 2] << 16 | uint32_t(real[at + 3]) << 24;
    const uint32_t header = real[at + 4] | real[at + 5] << 8 | real[at + 6] << 16 | uint32_t(real[at + 7]) << 24;
    // The last entry's padding may be left out, wholly or in part.
    for (size_t end = at + header + data; end <= at + (header + data + 3) / 4 * 4; ++end) boundaries.insert(end);
    at += (header + data + 3) / 4 * 4;
  }
  for (size_t cut = 0; cut < real.size(); ++cut) {
    std::vector<uint8_t> bytes(real.begin(), real.begin() + cut);  // exactly sized, for AddressSanitizer
    std::vector<res::Resource> read;
    EXPECT_EQ(res::ReadResFile(bytes.data(), bytes.size(), &read), boundaries.count(cut) == 1) << "cut at " << cut;
  }
  // A dialog template cut short anywhere is refused.
  for (const res::Resource& r : all) {
    if (!(r.type == res::kRtDialog)) continue;
    for (size_t cut = 0; cut < r.data.size(); ++cut) {
      res::DialogTemplateEx d;
      EXPECT_FALSE(res::ReadDialogTemplateEx(std::vector<uint8_t>(r.data.begin(), r.data.begin() + cut), &d))
          << "dialog cut at " << cut;
    }
  }
}

}  // namespace
