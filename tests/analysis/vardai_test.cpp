// Names the dictionary lacks: which words may be names, and how each ending declines.
#include "analysis/vardai.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

TSakinys Zodziai(const std::vector<std::string_view>& zodziai) {
  TSakinys s;
  for (std::string_view w : zodziai) {
    TZodis z;
    z.Angl = std::string(w);
    s.Zodziai.Prideti(std::move(z));
  }
  return s;
}

// The nominative, genitive, accusative and locative of the last word as a name, in UTF-8; an
// indeclinable name shows its one form.
std::string Formos(Aplinka& aplinka, const std::vector<std::string_view>& zodziai) {
  const TSakinys s = Zodziai(zodziai);
  const TZodis vardas = VardoKandidatas(aplinka, s, s.Kiekis() - 1);
  if (!vardas.Irasas) return IUtf8(vardas.Liet) + " (" + std::to_string(vardas.Gimine) + ")";
  std::string formos;
  for (int linksnis : {lVardininkas, lKilmininkas, lGalininkas, lVietininkas})
    formos += IUtf8(*DaiktavardzioForma(vardas.Irasas->Duomenys, linksnis, skVienaskaita)) + " ";
  return formos + "(" + std::to_string(vardas.Gimine) + ")";
}

TEST(VardoKandidatas, EachEndingDeclinesAsLithuanianDoes) {
  Aplinka aplinka;
  const std::pair<std::vector<std::string_view>, std::string_view> atvejai[] = {
      {{"tom"}, "Tomas Tomo Tomą Tome (1)"},
      {{"london"}, "Londonas Londono Londoną Londone (1)"},
      {{"peter"}, "Peteris Peterio Peterį Peteryje (1)"},
      {{"anna"}, "Anna Annos Anną Annoje (2)"},
      {{"kaunas"}, "Kaunas Kauno Kauną Kaune (1)"},
      {{"vilnius"}, "Vilnius Vilniaus Vilnių Vilniuje (1)"},
      // Other vowels and -y do not decline; after "Mrs" a consonant does not either.
      {{"kate"}, "Kate (0)"},
      {{"mary"}, "Mary (0)"},
      {{"mrs", "brown"}, "Brown (2)"},
      {{"ms", "anna"}, "Anna Annos Anną Annoje (2)"},
  };
  for (const auto& [zodziai, tiketina] : atvejai) EXPECT_EQ(Formos(aplinka, zodziai), tiketina);
  // One record a name and gender for the whole run: Anna after "Ms" is the Anna before.
  Formos(aplinka, {"tom"});
  EXPECT_EQ(aplinka.Vardai.Kiekis(), 6);
}

// A record holds only the first letters of a long name: the name must be found again by its whole
// text, or every mention added a record and walked all those before it.
TEST(VardoKandidatas, ALongNameMentionedAgainKeepsItsOneRecord) {
  Aplinka aplinka;
  const std::string ilgas(40, 'k');
  const std::string formos = Formos(aplinka, {ilgas});
  EXPECT_EQ(Formos(aplinka, {ilgas}), formos);
  Formos(aplinka, {ilgas + "x"});  // the same first letters, another name
  EXPECT_EQ(aplinka.Vardai.Kiekis(), 2);
}

TEST(GaliButiVardas, LettersOnlyAndNoTitleLanguageOrSingleLetter) {
  for (std::string_view vardas : {"tom", "london", "ab"}) EXPECT_TRUE(GaliButiVardas(vardas));
  for (std::string_view ne : {"a", "mr", "mrs", "english", "japanese", "o'neil", "r2d2", ""})
    EXPECT_FALSE(GaliButiVardas(ne)) << ne;
}

}  // namespace
}  // namespace kervosta
