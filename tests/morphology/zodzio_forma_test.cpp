#include "morphology/zodzio_forma.h"

#include <gtest/gtest.h>

#include "core/cp1257.h"

namespace kervosta {
namespace {

using namespace literals;

ZodynoIrasas Irasas(std::int32_t kodas, std::string_view kamienas, std::int32_t p1 = 0,
                    std::int32_t p2 = 0, std::int32_t p3 = 0) {
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, kodas);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, p1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, p2);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, p3);
  return irasas;
}

ZodynoIrasas Veiksmazodis(std::string_view bendraties, std::string_view esamojo,
                          std::string_view butojo, std::int32_t p1, std::int32_t p2,
                          std::int32_t p3) {
  ZodynoIrasas irasas = Irasas(3, bendraties, p1, p2, p3);
  irasas.NustatytiTeksta(TekstoLaukas::EsamasKamienas, esamojo);
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, butojo);
  return irasas;
}

TEST(CitavimoForma, NounsFollowTheirLithuanianNumberRestriction) {
  EXPECT_EQ(CitavimoForma(Irasas(1, "berniuk", 0, 0, 0)), "berniukas");
  EXPECT_EQ(CitavimoForma(Irasas(1, "berniuk", 0, 0, 1)), "berniukas");
  EXPECT_EQ(CitavimoForma(Irasas(1, "žirkl"_lt, 8, 1, 2)), "žirklės"_lt);
}

TEST(CitavimoForma, EachPartOfSpeechTakesItsBaseForm) {
  EXPECT_EQ(CitavimoForma(Veiksmazodis("moky", "mok", "mok", 7, 3, 1)), "mokytis");
  EXPECT_EQ(CitavimoForma(Irasas(5, "graž"_lt, 4, 3)), "gražus"_lt);
  EXPECT_EQ(CitavimoForma(Irasas(2, "š"_lt, 1, 0, 1)), "šis"_lt);
  EXPECT_EQ(CitavimoForma(Irasas(2, "kažkas"_lt, -1, 0, 0)), "kažkas"_lt);
  EXPECT_EQ(CitavimoForma(Irasas(13, "penk", 1, 1)), "penki");

  // Parts of speech without inflection keep the word typed into `LietZodis`.
  ZodynoIrasas prie = Irasas(8, "");
  prie.NustatytiTeksta(TekstoLaukas::LietZodis, "prie");
  EXPECT_EQ(CitavimoForma(prie), "prie");
}

// A cardinal saved as not declining has no paradigm; its stem field holds the whole word, which
// must not be lost to an empty citation form.
TEST(CitavimoForma, UndeclinedCardinalKeepsItsWord) {
  const ZodynoIrasas vienuolika = Irasas(13, "vienuolika", -1, -1);
  EXPECT_EQ(CitavimoForma(vienuolika), "vienuolika");
  EXPECT_EQ(KandidatoTekstas(vienuolika, Pataikymas::SkaitvVienaskaita, "eleven"), "vienuolika");
  EXPECT_EQ(KandidatoTekstas(vienuolika, Pataikymas::SkaitvDaugiskaita, "elevens"), "vienuolika");
}

TEST(KandidatoTekstas, NounPluralsAreBuiltSingularsStoredDigitsKept) {
  ZodynoIrasas berniukas = Irasas(1, "berniuk", 0);
  berniukas.NustatytiTeksta(TekstoLaukas::LietZodis, "vaikinas");  // stored, not rebuilt
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktSavybinis, "boy's"), "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktDaugSavybinis, "boys'"), "berniukai");
  EXPECT_EQ(KandidatoTekstas(Irasas(13, "penk", 1, 1), Pataikymas::SkaitvSkaitmenys, "5"), "5");
}

}  // namespace
}  // namespace kervosta
