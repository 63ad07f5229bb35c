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

// What is wrong with the English forms and the codes of an entry, or "". Paradigms and stem
// classes out of range are left to the spelling test, where such an entry yields no forms.
std::string Patikrinti(const ZodynoIrasas& r) {
  if (r.Angl1().empty()) return "no headword";
  switch (r.DaliesKodas()) {
    case 1:  // `AnglSkaicius` 0: both numbers, so the plural is a form of its own
      if (r.Angl2() != r.Angl1()) return "noun singular differs from headword";
      if (r.AnglSkaicius() == 0 ? r.Angl3().empty() : r.Angl3() != r.Angl1())
        return "noun plural does not fit its numbers";
      return Tarp(r.AnglSkaicius(), 0, 2) && Tarp(r.Kategorija(), 0, 7) ? "" : "noun codes";
    case 2:
      return r.Paradigma3() == 1 ||
                     (r.Paradigma3() == 0 && r.Paradigma1() == -1 && r.Kamienas() == r.LietZodis())
                 ? ""
                 : "undeclined pronoun codes or text";
    case 3:
      if (r.Angl2().empty() || r.Angl3().empty() || r.Angl4().empty() || r.Angl5().empty())
        return "verb without all five English forms";
      if (!Tarp(r.Pozymis(), 0, 1) || r.AnglSkaicius() != r.Pozymis()) return "regular flag";
      return Tarp(r.Klausimas(), 0, 6) && Tarp(r.Kategorija(), 0, 3) ? "" : "verb codes";
    case 5:  // `Pozymis` 1: compared with more and most, so no English degrees are stored
      if (r.Angl2() != r.Angl1()) return "adjective second form differs from the positive";
      return r.Angl3().empty() == (r.Pozymis() == 1) && r.Angl4().empty() == (r.Pozymis() == 1)
                 ? ""
                 : "English degrees do not fit the more/most flag";
    case 13: {
      static const std::regex skaitmenys("[0-9]+(st|nd|rd|th)?");
      if (!std::regex_match(r.Angl3(), skaitmenys)) return "numeral digits";
      const bool kiekinis = r.Kategorija() == 0 && Tarp(r.Paradigma1(), -1, 6);
      const bool kelintinis = r.Kategorija() == 1 && Tarp(r.Paradigma1(), 0, 1);
      if (!kiekinis && !kelintinis) return "numeral codes";
      return r.Paradigma1() == r.Paradigma2() && Tarp(r.Paradigma3(), 0, 6) ? "" : "numeral codes";
    }
    default:
      if (!r.Angl2().empty() || !r.Angl3().empty()) return "uninflected word with more forms";
      return Tarp(r.Pozymis(), 0, 6) ? "" : "required question";
  }
}

TEST(Irasai, EveryEntryIsWhatTheEditorSaves) {
  ASSERT_GE(PagrindiniaiIrasai().size(), 10000u) << "the shipped dictionary holds 10,000 entries";
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) {
    EXPECT_EQ(Patikrinti(r), "") << Pavadinimas(r);
    // The editor stores the citation form built from the stem and paradigms.
    EXPECT_EQ(IUtf8(r.LietZodis()), IUtf8(CitavimoForma(r))) << Pavadinimas(r);
  }
}

TEST(Irasai, NoTwoEntriesAreAnalogous) {
  std::map<std::string, std::vector<const ZodynoIrasas*>> pagalAngl;
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) pagalAngl[r.Angl1()].push_back(&r);
  for (const auto& [angl, irasai] : pagalAngl)
    for (std::size_t i = 0; i < irasai.size(); ++i)
      for (std::size_t j = i + 1; j < irasai.size(); ++j)
        EXPECT_FALSE(Analogiski(*irasai[i], *irasai[j])) << Pavadinimas(*irasai[i]);
}

// A Windows-1257 word in lower-case ASCII: Lithuanian letters lose their marks (Klaipėda:
// klaipeda).
std::string BeZenklu(const std::string& zodis) {
  static const std::map<char32_t, char> raides = {
      {U'ą', 'a'}, {U'č', 'c'}, {U'ę', 'e'}, {U'ė', 'e'}, {U'į', 'i'}, {U'š', 's'}, {U'ų', 'u'},
      {U'ū', 'u'}, {U'ž', 'z'}, {U'Ą', 'a'}, {U'Č', 'c'}, {U'Ę', 'e'}, {U'Ė', 'e'}, {U'Į', 'i'},
      {U'Š', 's'}, {U'Ų', 'u'}, {U'Ū', 'u'}, {U'Ž', 'z'}};
  std::string rezultatas;
  for (const char c : zodis) {
    const auto raide = raides.find(KodasBaito(static_cast<unsigned char>(c)));
    rezultatas += raide != raides.end() ? raide->second : AnglMazosiomis(std::string(1, c))[0];
  }
  return rezultatas;
}

// A Lithuanian place keeps its own name in English text, with or without the marks on its
// letters (Klaipėda, Klaipeda), so a proper noun may be written as its Lithuanian nominative.
bool SavasVardas(const ZodynoIrasas& r, const std::string& forma) {
  return r.DaliesKodas() == 1 && r.Pozymis() == 1 && BeZenklu(forma) == BeZenklu(r.LietZodis());
}

TEST(Irasai, EveryEnglishFormIsALowerCaseEnglishWord) {
  // American and British spellings alike: the dictionary holds both (center, centre).
  std::set<std::string> zodziai;
  for (const char* kelias :
       {"/usr/share/dict/american-english", "/usr/share/dict/british-english"}) {
    std::ifstream sarasas(kelias);
    ASSERT_TRUE(sarasas) << kelias << " is missing (Debian wamerican and wbritish)";
    for (std::string z; std::getline(sarasas, z);) zodziai.insert(z);
  }
  for (const ZodynoIrasas& r : PagrindiniaiIrasai()) {
    const bool skaitmenys = r.DaliesKodas() == 13;  // a numeral's third form is its digits
    for (const std::string& forma :
         {r.Angl1(), r.Angl2(), skaitmenys ? "" : r.Angl3(), r.Angl4(), r.Angl5()}) {
      if (forma.empty()) continue;
      // Lookup lower-cases the text, so a capital in an entry would never be found.
      EXPECT_EQ(forma, AnglMazosiomis(forma)) << Pavadinimas(r);
      // The lists are UTF-8 (café); proper nouns are listed capitalised.
      const std::string utf8 = IUtf8(forma);
      const std::string didziaja = static_cast<char>(utf8[0] - 'a' + 'A') + utf8.substr(1);
      EXPECT_TRUE(zodziai.contains(utf8) || zodziai.contains(didziaja) || SavasVardas(r, forma))
          << Pavadinimas(r) << ": '" << forma << "' is not an English word";
    }
  }
}

}  // namespace
}  // namespace kervosta::duomenys
