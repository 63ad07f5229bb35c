#include "lexicon/zodyno_irasas.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "irasu_pavyzdziai.h"

namespace kervosta {
namespace {

using namespace literals;

constexpr SkaiciausLaukas VisiSkaiciai[] = {
    SkaiciausLaukas::DaliesKodas, SkaiciausLaukas::Kategorija, SkaiciausLaukas::Pozymis,
    SkaiciausLaukas::AnglSkaicius, SkaiciausLaukas::Paradigma1, SkaiciausLaukas::Paradigma2,
    SkaiciausLaukas::Paradigma3,  SkaiciausLaukas::Klausimas};
constexpr TekstoLaukas VisiTekstai[] = {
    TekstoLaukas::Angl1,    TekstoLaukas::Angl2,          TekstoLaukas::Angl3,
    TekstoLaukas::Angl4,    TekstoLaukas::Angl5,          TekstoLaukas::LietZodis,
    TekstoLaukas::Kamienas, TekstoLaukas::EsamasKamienas, TekstoLaukas::ButasKamienas,
    TekstoLaukas::BusimasKamienas};

TEST(ZodynoIrasas, FieldsAreLittleEndianAndNeverTouchTheirNeighbours) {
  ZodynoIrasas irasas;
  std::int32_t reiksme = -0x01020304;
  for (const auto laukas : VisiSkaiciai) irasas.NustatytiSkaiciu(laukas, reiksme++);
  for (const auto laukas : VisiTekstai) irasas.NustatytiTeksta(laukas, std::string(32, 'x'));

  reiksme = -0x01020304;
  for (const auto laukas : VisiSkaiciai) EXPECT_EQ(irasas.Skaicius(laukas), reiksme++);
  for (const auto laukas : VisiTekstai) EXPECT_EQ(irasas.Tekstas(laukas), std::string(32, 'x'));

  const auto& b = irasas.Duomenys();
  // -0x01020304 is FC FC FD FE in memory order.
  EXPECT_EQ(b[8], 0xFC);
  EXPECT_EQ(b[9], 0xFC);
  EXPECT_EQ(b[10], 0xFD);
  EXPECT_EQ(b[11], 0xFE);
  // Reserved fields and padding stay zero with every field filled to the brim.
  for (std::size_t i : {0u, 4u, 16u, 189u, 190u, 191u, 361u, 362u, 363u})
    EXPECT_EQ(b[i], 0) << "byte " << i;
  for (std::size_t i = 380; i < ZodynoIrasas::Dydis; ++i) EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(ZodynoIrasas, StoredTextIsCutAt32AndLeavesNoOldTail) {
  ZodynoIrasas irasas;
  const std::string ilgas = "abcdefghijklmnopqrstuvwxyz0123456789";
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, ilgas);
  EXPECT_EQ(irasas.Kamienas(), ilgas.substr(0, 32));
  EXPECT_EQ(irasas.Duomenys()[262], 0) << "the next field's length byte was overwritten";

  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, "ąž"_lt);
  EXPECT_EQ(irasas.Kamienas(), "ąž"_lt);
  EXPECT_EQ(irasas.Duomenys()[229], 2);
  for (std::size_t i = 229 + 3; i < 262; ++i) EXPECT_EQ(irasas.Duomenys()[i], 0) << "byte " << i;
}

TEST(ZodynoIrasas, DamagedLengthByteReadsAtMost32Bytes) {
  ZodynoIrasas::Baitai baitai{};
  baitai[328] = 255;  // BusimasKamienas, the string field closest to the integers after it
  for (std::size_t i = 329; i < 361; ++i) baitai[i] = 'a';
  baitai[361] = 'X';
  const ZodynoIrasas irasas(baitai);
  EXPECT_EQ(irasas.BusimasKamienas(), std::string(32, 'a'));
  EXPECT_EQ(irasas.Duomenys(), baitai) << "reading must not repair the bytes";
}

TEST(ZodynoIrasas, AnalogousComparesEveryFieldButNotReservedBytesOrTails) {
  const ZodynoIrasas pagrindas = testai::Irasas(1, "cat", "katė"_lt);
  ZodynoIrasas::Baitai baitai = pagrindas.Duomenys();
  baitai[0] = 7;            // reserved
  baitai[190] = 7;          // padding
  baitai[24 + 1 + 5] = 'z'; // beyond Angl1's length
  baitai[400] = 7;          // Rezervas
  EXPECT_TRUE(Analogiski(pagrindas, ZodynoIrasas(baitai)));

  for (const auto laukas : VisiSkaiciai) {
    ZodynoIrasas kitas = pagrindas;
    kitas.NustatytiSkaiciu(laukas, kitas.Skaicius(laukas) + 1);
    EXPECT_FALSE(Analogiski(pagrindas, kitas)) << "integer at " << static_cast<int>(laukas);
  }
  for (const auto laukas : VisiTekstai) {
    ZodynoIrasas kitas = pagrindas;
    kitas.NustatytiTeksta(laukas, kitas.Tekstas(laukas) + "s");
    EXPECT_FALSE(Analogiski(pagrindas, kitas)) << "text at " << static_cast<int>(laukas);
  }
  // Texts compare exactly: case counts.
  EXPECT_FALSE(Analogiski(pagrindas, testai::Irasas(1, "Cat", "katė"_lt)));
}

}  // namespace
}  // namespace kervosta
