// The save round trip without libFuzzer, for CTest under any compiler: checks every file of the
// seed corpus, then a fixed number of pseudo-random mutations of them. The mutations come from a
// fixed seed, so every run checks the same inputs and a failure replays.
//
//   save_text_driver CORPUS_FOLDER [MUTATIONS]
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "save_round_trip.h"

namespace {

// Pieces that sit on the edges of what the reader accepts.
constexpr std::array<std::string_view, 16> Tokens = {" ",
                                                     "\n",
                                                     "\r\n",
                                                     "\t",
                                                     "\x7F",
                                                     std::string_view("\0", 1),
                                                     "-",
                                                     "+",
                                                     "2147483647",
                                                     "-2147483648",
                                                     "2147483648",
                                                     "-2147483649",
                                                     "00000000001",
                                                     "99999999999999",
                                                     "ABCDEFGHIJKLMNOPQRSTU",
                                                     "\x1b[2J"};

std::string read_file(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : rng_(seed) {}

  std::string mutate(std::string text) {
    const int edits = 1 + below(4);
    for (int n = 0; n < edits; ++n) edit(text);
    return text;
  }

 private:
  int below(std::size_t bound) {
    return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, bound - 1)(rng_));
  }
  std::size_t position(const std::string& text) {
    return static_cast<std::size_t>(below(text.size() + 1));
  }

  void edit(std::string& text) {
    switch (below(6)) {
      case 0:  // flip one bit
        if (!text.empty()) text[position(text) % text.size()] ^= static_cast<char>(1 << below(8));
        break;
      case 1:  // set one byte to anything
        if (!text.empty()) text[position(text) % text.size()] = static_cast<char>(below(256));
        break;
      case 2:  // insert an edge token
        text.insert(position(text), Tokens[static_cast<std::size_t>(below(Tokens.size()))]);
        break;
      case 3: {  // remove a stretch
        const std::size_t at = position(text);
        text.erase(at, static_cast<std::size_t>(below(40)));
        break;
      }
      case 4: {  // repeat a stretch somewhere else
        const std::size_t at = position(text);
        const std::string piece = text.substr(at, static_cast<std::size_t>(below(60)));
        text.insert(position(text), piece);
        break;
      }
      default:  // cut the text short
        text.resize(position(text));
        break;
    }
  }

  std::mt19937 rng_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: save_text_driver CORPUS_FOLDER [MUTATIONS]\n";
    return 2;
  }
  const long mutations = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 20000;
  std::vector<std::string> corpus;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    if (entry.is_regular_file()) corpus.push_back(read_file(entry.path()));
  }
  if (corpus.empty()) {
    std::cerr << "no seed files in " << argv[1] << "\n";
    return 2;
  }
  // Directory order is not fixed; sorting keeps the mutations the same on every machine.
  std::sort(corpus.begin(), corpus.end());

  for (const std::string& seed : corpus) fm::check_save_round_trip(seed);
  Mutator mutator(20260101);
  for (long n = 0; n < mutations; ++n) {
    const std::string& seed = corpus[static_cast<std::size_t>(n) % corpus.size()];
    fm::check_save_round_trip(mutator.mutate(seed));
  }
  std::cout << "save round trip held for " << corpus.size() << " seed files and " << mutations
            << " mutations\n";
  return 0;
}
