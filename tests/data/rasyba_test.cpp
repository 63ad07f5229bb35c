// The Lithuanian the shipped dictionary yields is Lithuanian to hunspell with lt_LT: every form it
// can produce (or one listed, with its reason, among the reviewed exceptions), and the translation
// of everyday sentences.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "core/cp1257.h"
#include "tests/data/lietuviskos_formos.h"
#include "tests/data/pagrindinis_zodynas.h"
#include "translation/vertimas.h"

namespace kervosta::duomenys {
namespace {

// The words, of Windows-1257 text, that hunspell rejects. The lt_LT dictionary is ISO-8859-13,
// which holds every Lithuanian letter at its Windows-1257 byte, so the words go in unconverted.
std::set<std::string> AtmestiZodziai(const std::set<std::string>& zodziai) {
  // ctest runs the tests of this program side by side: each process writes a file of its own.
  const std::string kelias =
      ::testing::TempDir() + "kervosta-rasyba-" + std::to_string(::getpid()) + ".txt";
  std::ofstream out(kelias, std::ios::binary);
  for (const std::string& z : zodziai) out << z << '\n';
  out.close();
  EXPECT_TRUE(out) << "cannot write " << kelias;
  std::FILE* p = ::popen(("hunspell -d lt_LT -i ISO8859-13 -l < " + kelias).c_str(), "r");
  std::string isvestis;  // one rejected word a line
  for (int c; p != nullptr && (c = std::fgetc(p)) != EOF;) isvestis += static_cast<char>(c);
  EXPECT_TRUE(p != nullptr && ::pclose(p) == 0)
      << "hunspell -d lt_LT failed (is hunspell-lt installed?)";
  std::istringstream eilutes(isvestis);
  return {std::istream_iterator<std::string>(eilutes), {}};
}

// One line of the exceptions file: forms whose kind and whole text match the two patterns.
struct Isimtis {
  std::regex Rusis;
  std::string Sablonas;  // as written, UTF-8
  std::regex Atitikmuo;  // over Windows-1257 text
  bool Zodis;            // listed after "[single words]": not a limit of the ending tables
  long Kartai = 0;       // rejected forms it allows
};

std::vector<Isimtis> SkaitytiIsimtis() {
  std::ifstream in(KERVOSTA_SOURCE_DIR "/tests/data/hunspell-exceptions.txt");
  EXPECT_TRUE(in) << "hunspell-exceptions.txt is missing";
  std::vector<Isimtis> isimtys;
  bool zodziai = false;
  for (std::string eilute; std::getline(in, eilute);) {
    zodziai = zodziai || eilute == "[single words]";
    if (eilute.empty() || eilute[0] == '#' || eilute == "[single words]") continue;
    std::string rusis, sablonas, priezastis;
    std::istringstream laukai(eilute);
    std::getline(std::getline(std::getline(laukai, rusis, '\t'), sablonas, '\t'), priezastis);
    if (priezastis.empty())
      ADD_FAILURE() << "hunspell-exceptions.txt: want KIND, FORM and REASON: " << eilute;
    else
      isimtys.push_back(
          {std::regex(rusis), sablonas, std::regex(IsUtf8(sablonas).Tekstas), zodziai});
  }
  return isimtys;
}

TEST(Rasyba, EveryFormIsKnownOrAReviewedException) {
  struct Zodis {
    std::string Rusis, Tekstas, Irasas;  // one word of a form: "tegul dirba" is two
  };
  std::vector<Zodis> zodziai;
  std::set<std::string> skirtingi;
  for (const ZodynoIrasas& irasas : PagrindiniaiIrasai())
    for (const LietuviskaForma& forma : VisosFormos(irasas)) {
      EXPECT_TRUE(forma.Tekstas) << Pavadinimas(irasas) << ": no " << forma.Rusis << " form";
      std::istringstream dalys(forma.Tekstas.value_or(""));
      for (std::string dalis; dalys >> dalis; skirtingi.insert(dalis))
        zodziai.push_back({forma.Rusis, dalis, Pavadinimas(irasas)});
    }
  ASSERT_GT(zodziai.size(), 400000u) << "the dictionary should yield every form of 10,000 entries";
  const std::set<std::string> atmesti = AtmestiZodziai(skirtingi);
  std::vector<Isimtis> isimtys = SkaitytiIsimtis();
  for (const Zodis& z : zodziai) {
    if (!atmesti.contains(z.Tekstas)) continue;
    const auto isimtis = std::find_if(isimtys.begin(), isimtys.end(), [&](const Isimtis& i) {
      return std::regex_match(z.Rusis, i.Rusis) && std::regex_match(z.Tekstas, i.Atitikmuo);
    });
    if (isimtis != isimtys.end())
      ++isimtis->Kartai;
    else
      ADD_FAILURE() << z.Irasas << ": " << z.Rusis << " '" << IUtf8(z.Tekstas)
                    << "' is not Lithuanian to hunspell and not among the exceptions";
  }
  // Single words must stay rare; the limits of the ending tables are listed once a pattern.
  long zodziuIsimciu = 0;
  for (const Isimtis& isimtis : isimtys) {
    if (!isimtis.Zodis) continue;
    zodziuIsimciu += isimtis.Kartai;
    EXPECT_GT(isimtis.Kartai, 0) << "exception '" << isimtis.Sablonas
                                 << "' matches no rejected form: remove it";
  }
  EXPECT_LT(zodziuIsimciu, 0.02 * static_cast<double>(zodziai.size()));
}

// The words of a text, the first letter of each lower-cased: a sentence's capital is not the
// spelling dictionary's business.
std::set<std::string> Zodziai(std::string tekstas) {
  for (char& c : tekstas)
    if (c == '.' || c == ',' || c == '?' || c == '!') c = ' ';
  std::istringstream srautas(tekstas);
  std::set<std::string> zodziai;
  for (std::string z; srautas >> z; zodziai.insert(z))
    if (z[0] >= 'A' && z[0] <= 'Z') z[0] = static_cast<char>(z[0] - 'A' + 'a');
  return zodziai;
}

TEST(Rasyba, EverydaySentencesComeOutAsLithuanianWords) {
  Aplinka aplinka;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  IkeltiZodyna(PagrindinioZodynoKelias(), aplinka.Zodynai.PagrindinisZodynas);
  aplinka.AutomatinisVertimas = 1;
  const std::string angliskai =
      "I see a big house. She has two children. We did not go to school yesterday. "
      "My brother works in a small shop. Do you know the way to the station?";
  const std::string lietuviskai = VerstiTeksta(aplinka, angliskai);

  const std::set<std::string> isvestis = Zodziai(lietuviskai);
  EXPECT_EQ(AtmestiZodziai(isvestis), std::set<std::string>{}) << IUtf8(lietuviskai);
  for (const std::string& anglu : Zodziai(angliskai)) {
    if (anglu.size() == 1) continue;  // "a" and "i" are Lithuanian letters too
    EXPECT_FALSE(isvestis.contains(anglu)) << anglu << " left untranslated";
  }
}

}  // namespace
}  // namespace kervosta::duomenys
