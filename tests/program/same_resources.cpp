// Compares two compiled resource files as the linker would use them: the
// same resources (type, name, language) with the same bytes. Their order in
// the file and their memory flags do not reach the executable, so they may
// differ.
//
//   same_resources A.res B.res
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "shared/resources.h"

namespace {

std::string Name(const res::ResourceId& id) {
  return id.isOrdinal ? std::to_string(id.ordinal) : '"' + id.name + '"';
}

using Key = std::tuple<std::string, std::string, int>;

bool Read(const char* path, std::map<Key, std::vector<uint8_t>>* out) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  std::vector<res::Resource> resources;
  if (!file.good() && !file.eof()) return false;
  if (bytes.empty() || !res::ReadResFile(bytes.data(), bytes.size(), &resources)) return false;
  for (const res::Resource& res : resources) {
    (*out)[Key(Name(res.type), Name(res.name), res.language)] = res.data;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: same_resources A.res B.res\n");
    return 2;
  }
  std::map<Key, std::vector<uint8_t>> a, b;
  for (int i = 1; i <= 2; ++i) {
    if (!Read(argv[i], i == 1 ? &a : &b)) {
      std::fprintf(stderr, "%s: not a readable resource file\n", argv[i]);
      return 1;
    }
  }
  int differences = 0;
  auto report = [&](const Key& k, const char* what) {
    std::printf("type %s name %s language %d: %s\n", std::get<0>(k).c_str(), std::get<1>(k).c_str(),
                std::get<2>(k), what);
    ++differences;
  };
  for (const auto& [key, data] : a) {
    const auto other = b.find(key);
    if (other == b.end()) {
      report(key, "only in the first");
    } else if (other->second != data) {
      report(key, "different data");
    }
  }
  for (const auto& entry : b) {
    if (a.count(entry.first) == 0) report(entry.first, "only in the second");
  }
  std::printf("%zu resources compared, %d differences\n", a.size(), differences);
  return differences == 0 && !a.empty() ? 0 : 1;
}
