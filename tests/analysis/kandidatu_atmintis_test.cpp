// Sentence lookup keeps the candidates of the words it has met from sentence to sentence; the
// next sentence after any change to a dictionary must see the change.
#include "analysis/kandidatu_atmintis.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "analysis/sakinio_paieska.h"
#include "analysis/segmentavimas.h"
#include "core/cp1257.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_keitimas.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta {
namespace {

using namespace literals;

// The Lithuanian text lookup gives the word after "the".
std::string Lietuviskai(Aplinka& aplinka, std::string_view zodis) {
  TSakinys s;
  SkaidytiZodzius("the " + std::string(zodis), s);
  SurastiAutomatiskai(aplinka, s);
  return s.Zodziai[1].Liet;
}

std::string Bankas(Aplinka& aplinka) { return Lietuviskai(aplinka, "bank"); }

// `liet` in UTF-8, as the text form of entries has it.
ZodynoIrasas Bank(std::string_view liet) {
  return IrasasIsTeksto("pos=1\ten=bank|bank|banks\tlt=" + std::string(liet));
}

Aplinka Paruosti() {
  Aplinka aplinka;
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  SkaitytiZodynoTeksta(
      "pos=7\ten=the\n"
      "pos=1\ten=bank|bank|banks\tlt=bankas\n"
      "pos=1\ten=bank|bank|banks\tlt=krantas\n",
      aplinka.Zodynai.PagrindinisZodynas);
  return aplinka;
}

TEST(KandidatuAtmintis, EveryKindOfDictionaryChangeIsSeenByTheNextSentence) {
  struct Atvejis {
    const char* Keitimas;
    std::function<void(ZodynuRinkinys&)> Keisti;
    std::string Tiketina;
  };
  const Atvejis atvejai[] = {
      {"a user entry added",
       [](ZodynuRinkinys& z) {
         z.VartotojoRezimas = 1;
         PridetiIrasa(z, Bank("bankelis"));
       },
       "bankelis"},
      {"an entry edited",
       [](ZodynuRinkinys& z) { PakeistiIrasa(z, *z.Pasirinktas().Uodega(), Bank("pakrantė")); },
       std::string("pakrantė"_lt)},
      {"the last sense deleted",
       [](ZodynuRinkinys& z) { TrintiIrasa(z, z.Pasirinktas().Uodega()); }, "bankas"},
      {"a record written in place",
       [](ZodynuRinkinys& z) {
         z.PagrindinisZodynas.Uodega()->Duomenys.NustatytiTeksta(TekstoLaukas::LietZodis,
                                                                 "krantinė"_lt);
         z.PagrindinisZodynas.Pakeista();
       },
       std::string("krantinė"_lt)},
      {"the user list replaced",
       [](ZodynuRinkinys& z) {
         ZodynoSarasas naujas;
         naujas.Prideti(Bank("bankininkas"));
         z.VartotojoZodynas = std::move(naujas);
       },
       "bankininkas"},
      {"the main list replaced by its own move",
       [](ZodynuRinkinys& z) {
         ZodynoSarasas perkeltas(std::move(z.PagrindinisZodynas));
         perkeltas.Pasalinti(perkeltas.Uodega());
         z.PagrindinisZodynas = std::move(perkeltas);
       },
       "bankas"},
  };
  for (const Atvejis& atvejis : atvejai) {
    Aplinka aplinka = Paruosti();
    ASSERT_EQ(Bankas(aplinka), "krantas");
    ASSERT_EQ(Bankas(aplinka), "krantas") << "the second sentence from the memory";
    atvejis.Keisti(aplinka.Zodynai);
    EXPECT_EQ(Bankas(aplinka), atvejis.Tiketina) << atvejis.Keitimas;
  }
}

// The memory also keeps whether a word is built in, which the built-in verb records decide.
TEST(KandidatuAtmintis, ChangedBuiltInRecordsAreSeenByTheNextSentence) {
  Aplinka aplinka = Paruosti();
  aplinka.Zodynai.VidiniaiIrasai = {};
  ASSERT_EQ(Lietuviskai(aplinka, "have"), "have") << "no record holds the word";
  ASSERT_EQ(Lietuviskai(aplinka, "have"), "have");
  UzpildytiVidiniusIrasus(aplinka.Zodynai);
  EXPECT_NE(Lietuviskai(aplinka, "have"), "have") << "the word is built in again";
}

// The memory moves with its environment, and the lists with it: however many changes follow, the
// moved list must never count as the one the memory remembers.
TEST(KandidatuAtmintis, MovedEnvironmentForgetsWhatItsListsHeldBefore) {
  for (int keitimu = 1; keitimu <= 8; ++keitimu) {
    Aplinka aplinka = Paruosti();
    ASSERT_EQ(Bankas(aplinka), "krantas");
    Aplinka perkelta(std::move(aplinka));
    ZodynoSarasas& sarasas = perkelta.Zodynai.PagrindinisZodynas;
    sarasas.Pasalinti(sarasas.Uodega());
    for (int i = 1; i < keitimu; ++i) sarasas.Prideti(Bank("b" + std::to_string(i)));
    EXPECT_EQ(Bankas(perkelta), keitimu == 1 ? "bankas" : "b" + std::to_string(keitimu - 1))
        << keitimu << " changes";
  }
}

}  // namespace
}  // namespace kervosta
