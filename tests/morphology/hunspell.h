// Lithuanian words checked by hunspell with the lt_LT dictionary, the oracle for generated forms.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace kervosta::testai {

// Standard output of a shell command; a command that fails fails the test.
inline std::string Isvestis(const std::string& komanda) {
  std::FILE* p = ::popen(komanda.c_str(), "r");
  std::string isvestis;
  for (int c; p != nullptr && (c = std::fgetc(p)) != EOF;) isvestis += static_cast<char>(c);
  EXPECT_TRUE(p != nullptr && ::pclose(p) == 0) << komanda << " failed";
  return isvestis;
}

// The UTF-8 words hunspell rejects.
inline std::set<std::string> HunspellAtmeta(const std::set<std::string>& zodziai) {
  // ctest runs the tests of one program side by side: each process writes a file of its own.
  const std::string kelias =
      ::testing::TempDir() + "kervosta-hunspell-" + std::to_string(::getpid()) + ".txt";
  std::ofstream out(kelias, std::ios::binary);
  for (const std::string& z : zodziai) out << z << '\n';
  out.close();
  EXPECT_TRUE(out) << "cannot write " << kelias;
  std::istringstream eilutes(Isvestis("hunspell -d lt_LT -i utf-8 -l < " + kelias));
  std::remove(kelias.c_str());
  return {std::istream_iterator<std::string>(eilutes), {}};
}

}  // namespace kervosta::testai
