// The shipped dictionary's entries are what the entry editor would have saved, no two of them
// are duplicates, and every English form is a real English word that lookup can find.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "analysis/zodzio_paieska.h"
#include "core/cp1257.h"
#include "morphology/zodzio_forma.h"
#include "tests/data/pagrindinis_zodynas.h"

namespace kervosta::duomenys {
namespace {

bool Tarp(std::int32_t reiksme, std::int32_t nuo, std::int32_t iki) {
  return reiksme >= nuo && reiksme <= iki;
}

// The field rules of one part of speech; returns what is wrong, or nothing.
std::string Patikrinti(const ZodynoIrasas& r) {
  const bool anglOk = !r.Angl1().empty();
  switch (r.DaliesKodas()) {
    case 1:
      if (!Tarp(r.AnglSkaicius(), 0, 2) || !Tarp(r.Paradigma1(), 0, 16) ||
          !Tarp(r.Paradigma2(), 0, 2) || !Tarp(r.Paradigma3(), 0, 2) || !Tarp(r.Kategorija(), 0, 7))
        return "noun code out of range";
      if (r.Angl2() != r.Angl1()) return "noun singular differs from headword";
      if (r.AnglSkaicius() != 0 && r.Angl3() != r.Angl1()) return "one-number noun with a plural";
      if (r.AnglSkaicius() == 0 && r.Angl3().empty()) return "noun of two numbers without plural";
      return anglOk ? "" : "no headword";
    case 2:
      if (r.Paradigma3() == 1) return Tarp(r.Paradigma1(), 0, 6) ? "" : "pronoun paradigm";
      if (r.Paradigma3() != 0 || r.Paradigma1() != -1) return "undeclined pronoun codes";
      return r.Kamienas() == r.LietZodis() ? "" : "undeclined pronoun text differs from its stem";
    case 3:
      if (r.Angl2().empty() || r.Angl3().empty() || r.Angl4().empty() || r.Angl5().empty())
        return "verb without all five English forms";
      if (!Tarp(r.Pozymis(), 0, 1) || r.AnglSkaicius() != r.Pozymis()) return "regular flag";
      if (r.Kamienas().empty() || r.EsamasKamienas().empty() || r.ButasKamienas().empty())
        return "verb without its three stems";
      if (!Tarp(r.Paradigma1(), 0, 7) || !Tarp(r.Paradigma2(), 0, 3) ||
          !Tarp(r.Paradigma3(), 0, 2) || !Tarp(r.Klausimas(), 0, 6) || !Tarp(r.Kategorija(), 0, 3))
        return "verb code out of range";
      return anglOk ? "" : "no infinitive";
    case 5:
      if (r.Angl2() != r.Angl1()) return "adjective second form differs from the positive";
      if (r.Pozymis() == 1 && !(r.Angl3().empty() && r.Angl4().empty()))
        return "more/most adjective with its own comparative";
      if (r.Pozymis() == 0 && (r.Angl3().empty() || r.Angl4().empty()))
        return "adjective without comparative or superlative";
      return Tarp(r.Paradigma1(), 0, 4) && Tarp(r.Paradigma2(), 0, 3) ? "" : "adjective paradigm";
    case 13: {
      if (r.Paradigma1() != r.Paradigma2()) return "numeral paradigms differ";
      const bool kiekinis = r.Kategorija() == 0;
      const bool kelintinis = r.Kategorija() == 1;
      if (!(kiekinis && Tarp(r.Paradigma1(), -1, 6)) && !(kelintinis && Tarp(r.Paradigma1(), 0, 1)))
        return "numeral kind or paradigm";
      static const std::regex skaitmenys("[0-9]+(st|nd|rd|th)?");
      if (!std::regex_match(r.Angl3(), skaitmenys)) return "numeral digits";
      return Tarp(r.Paradigma3(), 0, 6) ? "" : "numeral question";
    }
    default:
      if (!r.Angl2().empty() || !r.Angl3().empty()) return "uninflected word with more forms";
      return Tarp(r.Pozymis(), 0, 6) ? "" : "required question";
  }
}

TEST(Irasai, EveryEntryIsWhatTheEditorSaves) {
  const auto& irasai = PagrindiniaiIrasai();
  ASSERT_GE(irasai.size(), 2500u);
  for (const ZodynoIrasas& r : irasai) {
    EXPECT_EQ(Patikrinti(r), "") << Pavadinimas(r);
    // The editor stores the citation form built from the stem and paradigms.
    EXPECT_EQ(IUtf8(r.LietZodis()), IUtf8(CitavimoForma(r))) << Pavadinimas(r);
    EXPECT_TRUE(r.LietZodis().size() <= ZodynoIrasas::TekstoTalpa) << Pavadinimas(r);
  }
}

TEST(Irasai, EveryPartOfSpeechOfTheClosedClassesIsThere) {
  std::map<std::int32_t, int> kiekiai;
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) ++kiekiai[r.DaliesKodas()];
  // Nouns, pronouns, verbs, adverbs, adjectives, determiners, prepositions, conjunctions and
  // numerals, the last with 1-20, the tens, hundred, thousand, million and their ordinals.
  for (std::int32_t kodas : {1, 2, 3, 4, 5, 7, 8, 10, 13}) EXPECT_GT(kiekiai[kodas], 0) << kodas;
  EXPECT_GE(kiekiai[13], 50);
}

TEST(Irasai, NoTwoEntriesAreAnalogous) {
  std::map<std::string, std::vector<const ZodynoIrasas*>> pagalAngl;
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) pagalAngl[r.Angl1()].push_back(&r);
  for (const auto& [angl, irasai] : pagalAngl)
    for (std::size_t i = 0; i < irasai.size(); ++i)
      for (std::size_t j = i + 1; j < irasai.size(); ++j)
        EXPECT_FALSE(Analogiski(*irasai[i], *irasai[j])) << Pavadinimas(*irasai[i]);
}

TEST(Irasai, EveryEnglishFormIsALowerCaseEnglishWord) {
  std::ifstream sarasas("/usr/share/dict/american-english");
  ASSERT_TRUE(sarasas) << "the English word list (Debian wamerican) is missing";
  std::set<std::string> zodziai;
  for (std::string z; std::getline(sarasas, z);) zodziai.insert(z);
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) {
    const std::string formos[] = {r.Angl1(), r.Angl2(), r.Angl3(), r.Angl4(), r.Angl5()};
    for (std::size_t i = 0; i < std::size(formos); ++i) {
      const std::string& forma = formos[i];
      if (forma.empty() || (r.DaliesKodas() == 13 && i == 2)) continue;
      // Lookup lower-cases the text, so a capital in an entry would never be found.
      EXPECT_EQ(forma, AnglMazosiomis(forma)) << Pavadinimas(r);
      std::string didziaja = forma;  // proper nouns are listed capitalised
      didziaja[0] = static_cast<char>(didziaja[0] - 'a' + 'A');
      EXPECT_TRUE(zodziai.contains(forma) || zodziai.contains(didziaja))
          << Pavadinimas(r) << ": '" << forma << "' is not an English word";
    }
  }
}

}  // namespace
}  // namespace kervosta::duomenys
