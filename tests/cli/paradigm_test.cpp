// kervosta-cli paradigm: the grammar window's details of every candidate, as UTF-8 lines.
#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Paradigm = Paleidimas;

TEST_F(Paradigm, EveryCandidateIsShownOnceWithAnEmptyLineBetween) {
  Zodynas("main.zod",
          "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
          "pos=4\ten=bank\tlt=krante\n");
  const Rezultatas r = Paleisti("paradigm Bank");
  EXPECT_EQ(r.Busena, 0) << r.Klaidos;
  EXPECT_THAT(r.Isvestis, ::testing::StartsWith("Žodis: bank\nVertimas: bankas\n"));
  EXPECT_THAT(r.Isvestis, HasSubstr("Vietininkas (kur?): bankuose\n\nŽodis: bank\n"
                                    "Vertimas: krante\nPrieveiksmis\n"));
  EXPECT_THAT(r.Isvestis, EndsWith("Prieveiksmis\n"));

  EXPECT_EQ(Paleisti("paradigm zyx").Isvestis, "");
  const Rezultatas pagalba = Paleisti("paradigm -h");
  EXPECT_EQ(pagalba.Busena, 0);
  EXPECT_THAT(pagalba.Isvestis, HasSubstr("Usage: kervosta-cli paradigm"));
  EXPECT_EQ(Paleisti("paradigm one two").Busena, 1);
}

}  // namespace
}  // namespace kervosta::bandymai
