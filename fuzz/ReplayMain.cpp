// A stand-in for libFuzzer's driver, so that the test builds compile and link
// every fuzz target with any compiler and run it once over a few inputs: a
// target that no longer builds, or that breaks on the plainest inputs, shows
// in the ordinary test run rather than at the next fuzzing session. Each
// argument is a file whose bytes are one input; without arguments the target
// gets a handful of built-in ones.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunOne(std::string_view input) {
  // A copy of its own, so that a read past the end is the sanitizers' to see.
  const std::vector<uint8_t> bytes(input.begin(), input.end());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    for (const std::string_view input :
         {std::string_view(""), std::string_view("2000-01-01 CE\n"),
          std::string_view("\xef\xbb\xbf-4712-01-01 JC\r\n\n1,582-10-05 j"),
          std::string_view("\x00\xff\x80 3\t12;31", 12)}) {
      RunOne(input);
    }
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    const std::string input((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    RunOne(input);
  }
  return 0;
}
