#include "tests/data/rasyba.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "core/cp1257.h"

namespace kervosta::duomenys {

std::set<std::string> AtmestiZodziai(const std::set<std::string>& zodziai) {
  char kelias[] = "/tmp/kervosta-rasyba-XXXXXX";
  const int fd = ::mkstemp(kelias);
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  ::close(fd);
  {
    std::ofstream out(kelias, std::ios::binary);
    for (const std::string& z : zodziai) out << z << '\n';
    if (!out) throw std::runtime_error("cannot write the word list for hunspell");
  }
  const std::string komanda = std::string("hunspell -d lt_LT -i ISO8859-13 -l < ") + kelias;
  std::FILE* p = ::popen(komanda.c_str(), "r");
  if (p == nullptr) throw std::runtime_error("cannot run hunspell");
  std::set<std::string> atmesti;
  std::string eilute;
  for (int c; (c = std::fgetc(p)) != EOF;) {
    if (c != '\n') {
      eilute.push_back(static_cast<char>(c));
      continue;
    }
    atmesti.insert(eilute);
    eilute.clear();
  }
  const int busena = ::pclose(p);
  std::remove(kelias);
  if (busena != 0) throw std::runtime_error("hunspell -d lt_LT failed (is hunspell-lt installed?)");
  return atmesti;
}

std::vector<Isimtis> SkaitytiIsimtis(const std::string& failas) {
  std::ifstream in(failas);
  if (!in) throw std::runtime_error("cannot read " + failas);
  std::vector<Isimtis> isimtys;
  std::string eilute;
  bool zodziai = false;
  for (int nr = 1; std::getline(in, eilute); ++nr) {
    if (eilute.empty() || eilute[0] == '#') continue;
    if (eilute == "[single words]") {
      zodziai = true;
      continue;
    }
    const std::size_t a = eilute.find('\t');
    const std::size_t b = a == std::string::npos ? a : eilute.find('\t', a + 1);
    if (b == std::string::npos || b + 1 >= eilute.size())
      throw std::runtime_error(failas + ":" + std::to_string(nr) + ": want KIND, PATTERN, REASON");
    Isimtis isimtis;
    isimtis.Rusis = eilute.substr(0, a);
    isimtis.Sablonas = eilute.substr(a + 1, b - a - 1);
    isimtis.Priezastis = eilute.substr(b + 1);
    isimtis.RusiesAtitikmuo = std::regex(isimtis.Rusis);
    isimtis.Atitikmuo = std::regex(IsUtf8(isimtis.Sablonas).Tekstas);
    isimtis.Zodis = zodziai;
    isimtys.push_back(std::move(isimtis));
  }
  return isimtys;
}

}  // namespace kervosta::duomenys
