// Lookup through the lists' index gives exactly what checking every entry gives, in the same
// order, on random dictionaries and after every kind of change to them.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_keitimas.h"

namespace kervosta {
namespace {

// Short words, with possessive forms among them, so that entries share forms often.
const std::vector<std::string> Zodziai = {"", "a", "s", "'", "boy", "boys", "boy's", "boys'",
                                          "go", "goes", "went", "x'", "a's", "s'"};

ZodynoIrasas AtsitiktinisIrasas(std::mt19937& g) {
  const auto is = [&](int iki) { return std::uniform_int_distribution<int>(0, iki)(g); };
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, is(15));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, is(3));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, is(3));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Pozymis, is(7));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Klausimas, is(7));
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, is(2));
  for (TekstoLaukas laukas : {TekstoLaukas::Angl1, TekstoLaukas::Angl2, TekstoLaukas::Angl3,
                              TekstoLaukas::Angl4, TekstoLaukas::Angl5})
    irasas.NustatytiTeksta(laukas, Zodziai[static_cast<std::size_t>(is(int(Zodziai.size()) - 1))]);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, std::to_string(is(1000)));
  return irasas;
}

// Every candidate's entry and features, one line each.
std::string Santrauka(const TZodziuList& kandidatai) {
  std::string s;
  for (int i = 0; i < kandidatai.Kiekis(); ++i) {
    const TZodis& z = kandidatai[i];
    s += std::to_string(reinterpret_cast<std::uintptr_t>(z.Irasas)) + " " + z.Liet + " " +
         std::to_string(z.KalbosDalis) + std::to_string(z.Linksnis) + std::to_string(z.Skaicius) +
         std::to_string(z.Gimine) + std::to_string(z.Laikas) + std::to_string(z.AnglForma) + "\n";
  }
  return s;
}

// The walk of every entry, main list then user list.
std::string Visi(ZodynuRinkinys& zodynai, const std::string& zodis) {
  TZodziuList kandidatai;
  const std::string mazosiomis = AnglMazosiomis(zodis);
  for (const ZodynoSarasas* sarasas : {&zodynai.PagrindinisZodynas, &zodynai.VartotojoZodynas})
    for (ZodynoMazgas* m = sarasas->Galva(); m; m = m->Kitas) IeskotiIrase(*m, mazosiomis, kandidatai);
  return Santrauka(kandidatai);
}

std::string Indeksu(ZodynuRinkinys& zodynai, const std::string& zodis) {
  TZodziuList kandidatai;
  IeskotiZodyne(zodynai, zodis, kandidatai);
  return Santrauka(kandidatai);
}

void PalygintiVisus(ZodynuRinkinys& zodynai, const std::string& po) {
  for (const std::string& zodis : Zodziai) {
    for (const std::string& klausimas : {zodis, zodis + "'s", zodis + "'", zodis + "s'", "B" + zodis})
      ASSERT_EQ(Indeksu(zodynai, klausimas), Visi(zodynai, klausimas)) << "'" << klausimas << "' after " << po;
  }
}

TEST(ZodynoIndeksas, LookupEqualsTheWalkOfEveryEntryThroughEveryKindOfChange) {
  std::mt19937 g(460);
  const auto is = [&](int iki) { return std::uniform_int_distribution<int>(0, iki)(g); };
  const std::filesystem::path katalogas =
      std::filesystem::temp_directory_path() / ("kervosta-indeksas-" + std::to_string(::getpid()));
  std::filesystem::create_directories(katalogas);
  for (int bandymas = 0; bandymas < 20; ++bandymas) {
    ZodynuRinkinys zodynai;
    zodynai.ProgramosKatalogas = katalogas;
    for (int i = 0; i < 40; ++i) zodynai.PagrindinisZodynas.Prideti(AtsitiktinisIrasas(g));
    for (int i = 0; i < 15; ++i) zodynai.VartotojoZodynas.Prideti(AtsitiktinisIrasas(g));
    IssaugotiPagrindiniZodyna(zodynai);
    PalygintiVisus(zodynai, "building");
    for (int keitimas = 0; keitimas < 12; ++keitimas) {
      zodynai.VartotojoRezimas = static_cast<std::uint8_t>(is(1));
      ZodynoSarasas& sarasas = zodynai.Pasirinktas();
      const int n = sarasas.Kiekis();
      switch (is(5)) {
        case 0: PridetiIrasa(zodynai, AtsitiktinisIrasas(g)); break;
        case 1:
          if (n) PakeistiIrasa(zodynai, *sarasas.Rasti(1 + is(n - 1)), AtsitiktinisIrasas(g));
          break;
        case 2: if (n) TrintiIrasa(zodynai, sarasas.Rasti(1 + is(n - 1))); break;
        case 3: RusiuotiZodyna(zodynai); break;
        case 4: IkeltiPagrindiniZodyna(zodynai); break;
        default:
          IssaugotiVartotojoZodyna(zodynai, katalogas / "u.dic");
          ImportuotiVartotojoZodyna(zodynai, katalogas / "u.dic");
          break;
      }
      PalygintiVisus(zodynai, "change " + std::to_string(keitimas));
    }
  }
  std::filesystem::remove_all(katalogas);
}

}  // namespace
}  // namespace kervosta
