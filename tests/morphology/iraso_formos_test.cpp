#include "morphology/iraso_formos.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "tests/morphology/irasai.h"

namespace kervosta {
namespace {

ZodynoIrasas Irasas(std::int32_t kodas, const char* kamienas, int p1, int p2 = 0, int p3 = 0) {
  ZodynoIrasas irasas = testai::Irasas(IsUtf8(kamienas).Tekstas, p1, p2, p3);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, kodas);
  return irasas;
}

// The forms as "label=form" joined by ", ", UTF-8.
std::string Formos(const PazymetosFormos& formos, std::size_t kiek = 100) {
  std::string tekstas;
  for (std::size_t i = 0; i < formos.size() && i < kiek; ++i)
    tekstas += (i ? ", " : "") + formos[i].Etikete + '=' + IUtf8(formos[i].Tekstas.value_or("-"));
  return tekstas;
}

// Only what translation can ask of the entry: a noun's own numbers, degrees of an adjective that
// stores English ones, the stored word of what does not inflect.
TEST(IrasoFormos, EntryGivesTheFormsTranslationCanAskFor) {
  EXPECT_EQ(Formos(IrasoFormos(Irasas(1, "dur", 12, 1, 2)), 2), "noun pl 1=durys, noun pl 2=durų");
  EXPECT_EQ(IrasoFormos(Irasas(1, "vyr", 0, 0, 1)).size(), 7u);
  EXPECT_EQ(IrasoFormos(Irasas(1, "vyr", 0)).size(), 14u);
  ZodynoIrasas didelis = Irasas(5, "didel", 2, 3);
  EXPECT_EQ(IrasoFormos(didelis).size(), 24u);
  didelis.NustatytiTeksta(TekstoLaukas::Angl3, "bigger");
  EXPECT_EQ(IrasoFormos(didelis).size(), 72u);
  EXPECT_EQ(Formos(IrasoFormos(Irasas(2, "bet kas", -1))), "word=bet kas");
  EXPECT_EQ(Formos(IrasoFormos(Irasas(13, "dvidešimt", -1, -1))), "word=dvidešimt");
  ZodynoIrasas labai = Irasas(4, "", 0);
  EXPECT_TRUE(IrasoFormos(labai).empty());
  labai.NustatytiTeksta(TekstoLaukas::LietZodis, "labai");
  EXPECT_EQ(Formos(IrasoFormos(labai)), "word=labai");
}

TEST(IrasoFormos, NegatingABuiltFormMovesTheReflexiveParticle) {
  const ZodynoIrasas mokytis = testai::Veiksmazodis("moky", "mok", "mok", 7, 3, 1);
  const auto neigti = [&](const ZodynoIrasas& irasas, const char* forma) {
    return IUtf8(NeigiamaForma(irasas, IsUtf8(forma).Tekstas));
  };
  EXPECT_EQ(neigti(mokytis, "mokausi"), "nesimokau");
  EXPECT_EQ(neigti(mokytis, "tegul mokosi"), "tegul nesimoko");
  EXPECT_EQ(neigti(mokytis, "mokykitės"), "nesimokykite");
  const ZodynoIrasas dirbti = testai::Veiksmazodis("dirb", "dirb", "dirb", 0, 0, 0);
  EXPECT_EQ(neigti(dirbti, "tegul dirba"), "tegul nedirba");
  // A text that is none of the entry's forms, as lookup may have left it.
  EXPECT_EQ(neigti(dirbti, "dirbdamas"), "nedirbdamas");
}

}  // namespace
}  // namespace kervosta
