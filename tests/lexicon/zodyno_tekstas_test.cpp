#include "lexicon/zodyno_tekstas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/cp1257.h"
#include "testai.h"

namespace kervosta {
namespace {

using namespace literals;

// Random records hold every byte value in every field, length bytes at 32 and above, and
// controls, '|' and '\' in the texts.
TEST(ZodynoTekstas, AnyRecordSurvivesTextAndBackByteForByte) {
  std::mt19937 generatorius(460);
  for (int i = 0; i < 500; ++i) {
    const ZodynoIrasas irasas = testai::AtsitiktinisIrasas(generatorius);
    const std::string eilute = IrasasITeksta(irasas);
    EXPECT_EQ(eilute.find('\n'), std::string::npos) << eilute;
    ASSERT_EQ(IrasasIsTeksto(eilute), irasas) << eilute;
  }
}

TEST(ZodynoTekstas, RecordsMadeByTheProgramReadNaturallyWithoutRawBytes) {
  ZodynoIrasas irasas = testai::Irasas(3, "a|b\\c", "eiti");
  irasas.NustatytiTeksta(TekstoLaukas::Angl2, "a longer text whose tail must go");
  irasas.NustatytiTeksta(TekstoLaukas::Angl2, "goes");
  irasas.NustatytiTeksta(TekstoLaukas::ButasKamienas, "ėj"_lt);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, -1);
  EXPECT_EQ(IrasasITeksta(irasas), "pos=3\tcat=-1\ten=a\\|b\\\\c|goes\tlt=eiti\tpast=ėj");
  EXPECT_EQ(IrasasITeksta(ZodynoIrasas()), "pos=0");
  // No value may hold a control character, so a record with one keeps it in its raw bytes.
  irasas.NustatytiTeksta(TekstoLaukas::Angl1, "d\n");
  EXPECT_EQ(IrasasITeksta(irasas), "pos=3\tcat=-1\ten=|goes\tlt=eiti\tpast=ėj\traw=24:02640a");
}

TEST(ZodynoTekstas, CompileSkipsCommentsAndBlankLinesAndTakesNamesAndWindowsLineEnds) {
  ZodynoSarasas sarasas;
  SkaitytiZodynoTeksta("# nouns\n\npos=noun\ten=cat||cats\tlt=katė\r\n  \t\n"
                       "en=\\x41\\|B\tpos=numeral\traw=459:ff\n",
                       sarasas);
  ASSERT_EQ(sarasas.Kiekis(), 2);
  EXPECT_EQ(IrasasITeksta(sarasas.Galva()->Duomenys), "pos=1\ten=cat||cats\tlt=katė");
  EXPECT_EQ(IrasasITeksta(sarasas.Uodega()->Duomenys), "pos=13\ten=A\\|B\traw=459:ff");
}

TEST(ZodynoTekstas, CompileRejectsMalformedLinesNamingTheLine) {
  const std::pair<const char*, const char*> blogos[] = {
      {"pos=1\tlt", "has no '='"}, {"p1=2147483648", "32-bit integer"},
      {"color=red", "unknown key"}, {"pos=1\tpos=2", "given twice"},
      {"en=a|b|c|d|e|f", "more than 5"}, {"lt=abcdefghijklmnopqrstuvwxyz0123456", "longer than 32"},
      {"lt=a\\qb", "unknown escape"}, {"en=a\\x0ab", "control character"},
      {"lt=a\\tb", "control character"}, {"lt=\xff", "malformed UTF-8"},
      {"lt=日", "Windows-1257 cannot hold"}, {"raw=459:0102", "past byte 459"},
      {"raw=99999999999999999999:01", "OFFSET:HEX"}};
  for (const auto& [eilute, priezastis] : blogos) {
    ZodynoSarasas sarasas;
    try {
      SkaitytiZodynoTeksta(std::string("pos=1\n# comment\n") + eilute + "\npos=2\n", sarasas);
      ADD_FAILURE() << "accepted: " << eilute;
    } catch (const ZodynoTekstoKlaida& klaida) {
      EXPECT_EQ(klaida.Eilute(), 3) << eilute;
      EXPECT_THAT(klaida.Priezastis(), ::testing::HasSubstr(priezastis)) << eilute;
    }
    EXPECT_EQ(sarasas.Kiekis(), 1) << "the lines before the bad one stay read";
  }
}

}  // namespace
}  // namespace kervosta
