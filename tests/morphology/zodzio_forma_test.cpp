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

TEST(KandidatoTekstas, VerbHitsTakeTheFormOfTheirEnglishForm) {
  const ZodynoIrasas dirbti = Veiksmazodis("dirb", "dirb", "dirb", 0, 0, 0);
  EXPECT_EQ(KandidatoTekstas(dirbti, Pataikymas::VeiksmBendratis, "work"), "dirbti");
  EXPECT_EQ(KandidatoTekstas(dirbti, Pataikymas::VeiksmTreciasisAsmuo, "works"), "dirba");
  EXPECT_EQ(KandidatoTekstas(dirbti, Pataikymas::VeiksmIng, "working"), "dirba");
  EXPECT_EQ(KandidatoTekstas(dirbti, Pataikymas::VeiksmButasis, "worked"), "dirbo");
  EXPECT_EQ(KandidatoTekstas(dirbti, Pataikymas::VeiksmDalyvis, "worked"), "dirbtas");
  // The past participle comes from the infinitive stem, the third person from the present stem.
  const ZodynoIrasas mokytis = Veiksmazodis("moky", "mok", "mok", 7, 3, 1);
  EXPECT_EQ(KandidatoTekstas(mokytis, Pataikymas::VeiksmTreciasisAsmuo, "learns"), "mokosi");
  EXPECT_EQ(KandidatoTekstas(mokytis, Pataikymas::VeiksmDalyvis, "learnt"), "mokytas");
}

TEST(KandidatoTekstas, NounPluralsAreBuiltAndSingularsStored) {
  ZodynoIrasas berniukas = Irasas(1, "berniuk", 0);
  berniukas.NustatytiTeksta(TekstoLaukas::LietZodis, "vaikinas");  // stored, not rebuilt
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktVardas, "boy"), "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktSavybinis, "boy's"), "vaikinas");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktDaugiskaita, "boys"), "berniukai");
  EXPECT_EQ(KandidatoTekstas(berniukas, Pataikymas::DaiktDaugSavybinis, "boys'"), "berniukai");
}

TEST(KandidatoTekstas, DigitsAndDamagedParadigms) {
  const ZodynoIrasas penki = Irasas(13, "penk", 1, 1);
  EXPECT_EQ(KandidatoTekstas(penki, Pataikymas::SkaitvSkaitmenys, "5"), "5");
  EXPECT_EQ(KandidatoTekstas(Irasas(5, "ger", 77, -3), Pataikymas::BudvNelyginamasis, "good"), "");
  EXPECT_EQ(KandidatoTekstas(Irasas(5, "ger", 77, -3), Pataikymas::BudvAukstesnysis, "better"),
            "geresnis");
  EXPECT_EQ(CitavimoForma(Irasas(1, "x", 17)), "");
  EXPECT_EQ(CitavimoForma(Irasas(13, "x", 9, 9)), "");
}

}  // namespace
}  // namespace kervosta
