// The citation form of every part of speech is checked against every entry of the shipped
// dictionary (tests/data); these are the cases that dictionary cannot show.
#include "morphology/zodzio_forma.h"

#include <gtest/gtest.h>

#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

ZodynoIrasas Irasas(std::int32_t kodas, std::string_view kamienas, int p1, int p2 = 0) {
  ZodynoIrasas irasas = testai::Irasas(kamienas, p1, p2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, kodas);
  return irasas;
}

// A cardinal saved as not declining has no paradigm; its stem field holds the whole word, which
// must not be lost to an empty text.
TEST(CitavimoForma, UndeclinedCardinalKeepsItsWord) {
  const ZodynoIrasas vienuolika = Irasas(13, "vienuolika", -1, -1);
  EXPECT_EQ(CitavimoForma(vienuolika), "vienuolika");
  EXPECT_EQ(KandidatoTekstas(vienuolika, Pataikymas::SkaitvDaugiskaita, "elevens"), "vienuolika");
}

TEST(KandidatoTekstas, NounPluralsAreBuiltSingularsStoredDigitsKept) {
  ZodynoIrasas berniukas = Irasas(1, "berniuk", 0);
  berniukas.NustatytiTeksta(TekstoLaukas::LietZodis, "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktSavybinis, "boy's"), "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktDaugSavybinis, "boys'"), "berniukai");
  EXPECT_EQ(KandidatoTekstas(Irasas(13, "penk", 1, 1), Pataikymas::SkaitvSkaitmenys, "5"), "5");
}

}  // namespace
}  // namespace kervosta
