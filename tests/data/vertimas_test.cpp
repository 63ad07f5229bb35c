// With nothing but the shipped dictionary, everyday English comes out as Lithuanian words.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "tests/data/pagrindinis_zodynas.h"
#include "tests/data/rasyba.h"
#include "translation/vertimas.h"

namespace kervosta::duomenys {
namespace {

std::set<std::string> Zodziai(const std::string& tekstas) {
  std::set<std::string> zodziai;
  std::string zodis;
  for (char c : tekstas + " ") {
    if (c == ' ' || c == '.' || c == ',' || c == '?' || c == '!') {
      if (!zodis.empty()) zodziai.insert(zodis);
      zodis.clear();
    } else {
      zodis.push_back(c);
    }
  }
  return zodziai;
}

TEST(Vertimas, EverydaySentencesComeOutAsLithuanianWords) {
  Aplinka aplinka;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  IkeltiZodyna(PagrindinioZodynoKelias(), aplinka.Zodynai.PagrindinisZodynas);
  aplinka.AutomatinisVertimas = 1;
  const std::string angliskai =
      "I see a big house. She has two children. We did not go to school yesterday. "
      "My brother works in a small shop. Do you know the way to the station?";
  const std::string lietuviskai = VerstiTeksta(aplinka, angliskai);

  std::set<std::string> isvestis = Zodziai(lietuviskai);
  // The capital of a sentence's first word is not the spelling dictionary's business.
  std::set<std::string> mazosiomis;
  for (std::string z : isvestis) {
    if (z[0] >= 'A' && z[0] <= 'Z') z[0] = static_cast<char>(z[0] - 'A' + 'a');
    mazosiomis.insert(z);
  }
  EXPECT_EQ(AtmestiZodziai(mazosiomis), std::set<std::string>{}) << IUtf8(lietuviskai);
  for (const std::string& anglu : Zodziai(angliskai)) {
    if (anglu.size() == 1) continue;  // "a" and "I" are Lithuanian letters too
    EXPECT_FALSE(isvestis.contains(anglu)) << anglu << " left untranslated";
  }
}

}  // namespace
}  // namespace kervosta::duomenys
