#include "morphology/zodzio_forma.h"

#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

using namespace literals;

ZodynoIrasas Irasas(std::int32_t kodas, std::string_view kamienas, int p1, int p2 = 0, int p3 = 0) {
  ZodynoIrasas irasas = testai::Irasas(kamienas, p1, p2, p3);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, kodas);
  return irasas;
}

TEST(CitavimoForma, EachPartOfSpeechTakesItsBaseForm) {
  EXPECT_EQ(CitavimoForma(Irasas(1, "berniuk", 0, 0, 1)), "berniukas");
  EXPECT_EQ(CitavimoForma(Irasas(1, "žirkl"_lt, 8, 1, 2)), "žirklės"_lt);  // plural only
  ZodynoIrasas mokytis = testai::Veiksmazodis("moky", "mok", "mok", 7, 3, 1);
  mokytis.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, 3);
  EXPECT_EQ(CitavimoForma(mokytis), "mokytis");
  EXPECT_EQ(CitavimoForma(Irasas(5, "graž"_lt, 4, 3)), "gražus"_lt);
  EXPECT_EQ(CitavimoForma(Irasas(13, "penk", 1, 1)), "penki");
  // A pronoun is declined only when flagged so; otherwise its stem field holds the word.
  EXPECT_EQ(CitavimoForma(Irasas(2, "š"_lt, 1, 0, 1)), "šis"_lt);
  EXPECT_EQ(CitavimoForma(Irasas(2, "kažkas"_lt, -1)), "kažkas"_lt);
}

// A cardinal saved as not declining has no paradigm; its stem field holds the whole word, which
// must not be lost to an empty text.
TEST(CitavimoForma, UndeclinedCardinalKeepsItsWord) {
  const ZodynoIrasas vienuolika = Irasas(13, "vienuolika", -1, -1);
  EXPECT_EQ(CitavimoForma(vienuolika), "vienuolika");
  EXPECT_EQ(KandidatoTekstas(vienuolika, Pataikymas::SkaitvDaugiskaita, "elevens"), "vienuolika");
}

TEST(KandidatoTekstas, NounPluralsAreBuiltSingularsStored) {
  ZodynoIrasas berniukas = Irasas(1, "berniuk", 0);
  berniukas.NustatytiTeksta(TekstoLaukas::LietZodis, "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktSavybinis, "boy's"), "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktDaugSavybinis, "boys'"), "berniukai");
}

}  // namespace
}  // namespace kervosta
