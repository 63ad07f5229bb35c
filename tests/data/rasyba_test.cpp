// Every Lithuanian form the shipped dictionary can produce is a word the Lithuanian spelling
// dictionary knows, or is listed, with its reason, among the reviewed exceptions.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "core/cp1257.h"
#include "tests/data/lietuviskos_formos.h"
#include "tests/data/pagrindinis_zodynas.h"
#include "tests/data/rasyba.h"

namespace kervosta::duomenys {
namespace {

const std::string IsimciuFailas = KERVOSTA_SOURCE_DIR "/tests/data/hunspell-exceptions.txt";

struct Zodis {
  std::string Rusis;
  std::string Tekstas;  // one word of a form; "tegul dirba" is two
  std::string Irasas;
};

std::vector<Zodis> FormuZodziai() {
  std::vector<Zodis> zodziai;
  for (const ZodynoIrasas& irasas : PagrindiniaiIrasai())
    for (const LietuviskaForma& forma : VisosFormos(irasas)) {
      if (!forma.Tekstas) {
        ADD_FAILURE() << Pavadinimas(irasas) << ": no " << forma.Rusis << " form";
        continue;
      }
      std::istringstream dalys(*forma.Tekstas);
      for (std::string dalis; dalys >> dalis;)
        zodziai.push_back({forma.Rusis, dalis, Pavadinimas(irasas)});
    }
  return zodziai;
}

const Isimtis* Rasti(const std::vector<Isimtis>& isimtys, const Zodis& zodis) {
  for (const Isimtis& isimtis : isimtys)
    if (std::regex_match(zodis.Rusis, isimtis.RusiesAtitikmuo) &&
        std::regex_match(zodis.Tekstas, isimtis.Atitikmuo))
      return &isimtis;
  return nullptr;
}

TEST(Rasyba, EveryFormIsKnownOrAReviewedException) {
  const std::vector<Zodis> zodziai = FormuZodziai();
  ASSERT_GT(zodziai.size(), 100000u) << "the dictionary should yield every form of 2,500 entries";
  std::set<std::string> skirtingi;
  for (const Zodis& z : zodziai) skirtingi.insert(z.Tekstas);
  const std::set<std::string> atmesti = AtmestiZodziai(skirtingi);
  const std::vector<Isimtis> isimtys = SkaitytiIsimtis(IsimciuFailas);

  std::map<const Isimtis*, long> panaudota;
  long zodziuIsimciu = 0;
  long lenteliuIsimciu = 0;
  for (const Zodis& z : zodziai) {
    if (!atmesti.contains(z.Tekstas)) continue;
    const Isimtis* isimtis = Rasti(isimtys, z);
    if (isimtis == nullptr) {
      ADD_FAILURE() << z.Irasas << ": " << z.Rusis << " '" << IUtf8(z.Tekstas)
                    << "' is not Lithuanian to hunspell and not among the exceptions";
      continue;
    }
    ++panaudota[isimtis];
    ++(isimtis->Zodis ? zodziuIsimciu : lenteliuIsimciu);
  }

  const double visos = static_cast<double>(zodziai.size());
  // Single words must stay rare; the limits of the ending tables are listed once a pattern.
  EXPECT_LT(zodziuIsimciu / visos, 0.02);
  std::cout << "[ rasyba   ] " << zodziai.size() << " form words, " << zodziuIsimciu
            << " single-word exceptions (" << 100.0 * zodziuIsimciu / visos << "%), "
            << lenteliuIsimciu << " forms under table patterns (" << 100.0 * lenteliuIsimciu / visos
            << "%)\n";
  for (const Isimtis& isimtis : isimtys)
    if (isimtis.Zodis && !panaudota.contains(&isimtis))
      ADD_FAILURE() << "exception '" << isimtis.Sablonas << "' (" << isimtis.Rusis
                    << ") matches no rejected form: remove it";
}

TEST(Rasyba, ExceptionsFileIsWellFormed) {
  const std::vector<Isimtis> isimtys = SkaitytiIsimtis(IsimciuFailas);
  std::set<std::pair<std::string, std::string>> matyti;
  for (const Isimtis& isimtis : isimtys) {
    EXPECT_FALSE(isimtis.Priezastis.empty()) << isimtis.Sablonas;
    EXPECT_TRUE(matyti.insert({isimtis.Rusis, isimtis.Sablonas}).second)
        << "listed twice: " << isimtis.Sablonas;
  }
}

}  // namespace
}  // namespace kervosta::duomenys
