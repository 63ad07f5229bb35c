#include "lexicon/zodyno_irasas.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "testai.h"

namespace kervosta {
namespace {

using namespace literals;

using enum SkaiciausLaukas;
using enum TekstoLaukas;
constexpr SkaiciausLaukas VisiSkaiciai[] = {DaliesKodas, Kategorija, Pozymis, AnglSkaicius,
                                            Paradigma1, Paradigma2, Paradigma3, Klausimas};
constexpr TekstoLaukas VisiTekstai[] = {Angl1, Angl2, Angl3, Angl4, Angl5, LietZodis, Kamienas,
                                        EsamasKamienas, ButasKamienas, BusimasKamienas};

TEST(ZodynoIrasas, FieldsAreLittleEndianTextsHoldAtMost32BytesAndReservedBytesStayZero) {
  ZodynoIrasas irasas;
  std::int32_t reiksme = -0x01020304;
  for (const auto laukas : VisiSkaiciai) irasas.NustatytiSkaiciu(laukas, reiksme++);
  for (const auto laukas : VisiTekstai) irasas.NustatytiTeksta(laukas, std::string(40, 'x'));
  reiksme = -0x01020304;
  for (const auto laukas : VisiSkaiciai) EXPECT_EQ(irasas.Skaicius(laukas), reiksme++);
  for (const auto laukas : VisiTekstai) EXPECT_EQ(irasas.Tekstas(laukas), std::string(32, 'x'));

  const auto& b = irasas.Duomenys();
  EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "\xFC\xFC\xFD\xFE");
  for (std::size_t i : {0u, 4u, 16u, 189u, 190u, 191u, 361u, 362u, 363u}) EXPECT_EQ(b[i], 0) << i;
  for (std::size_t i = 380; i < ZodynoIrasas::Dydis; ++i) EXPECT_EQ(b[i], 0) << i;

  // A damaged length byte reads at most the field and is kept as it is.
  ZodynoIrasas::Baitai baitai{};
  baitai[328] = 255;  // BusimasKamienas, the text field right before the integers
  for (std::size_t i = 329; i < 364; ++i) baitai[i] = 'a';
  EXPECT_EQ(ZodynoIrasas(baitai).BusimasKamienas(), std::string(32, 'a'));
  EXPECT_EQ(ZodynoIrasas(baitai).Duomenys(), baitai);
}

TEST(ZodynoIrasas, AnalogousComparesEveryFieldButNotReservedBytesOrTails) {
  const ZodynoIrasas pagrindas = testai::Irasas(1, "cat", "katė"_lt);
  ZodynoIrasas::Baitai baitai = pagrindas.Duomenys();
  for (std::size_t i : {0u, 190u, 24u + 1 + 5, 400u}) baitai[i] = 7;
  EXPECT_TRUE(Analogiski(pagrindas, ZodynoIrasas(baitai)));
  for (const auto laukas : VisiSkaiciai) {
    ZodynoIrasas kitas = pagrindas;
    kitas.NustatytiSkaiciu(laukas, 1 + kitas.Skaicius(laukas));
    EXPECT_FALSE(Analogiski(pagrindas, kitas)) << "integer at " << static_cast<int>(laukas);
  }
  for (const auto laukas : VisiTekstai) {
    ZodynoIrasas kitas = pagrindas;
    kitas.NustatytiTeksta(laukas, kitas.Tekstas(laukas) + "s");
    EXPECT_FALSE(Analogiski(pagrindas, kitas)) << "text at " << static_cast<int>(laukas);
  }
  EXPECT_FALSE(Analogiski(pagrindas, testai::Irasas(1, "Cat", "katė"_lt))) << "case counts";
}

}  // namespace
}  // namespace kervosta
