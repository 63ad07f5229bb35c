// kervosta-cli coverage: how much of an English text the dictionaries know. The text is cut into
// sentences and words exactly as translation cuts it, and each word token is looked up as
// translation looks it up; a token counts as found when the built-in words or a dictionary give
// it at least one candidate.
#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/zodzio_paieska.h"
#include "cli/argumentai.h"
#include "cli/komandos.h"
#include "cli/isvedimas.h"
#include "cli/teksto_eilutes.h"
#include "core/cp1257.h"
#include "translation/vertimas.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli coverage";
constexpr std::string_view Nezinomi = "--unknown";
constexpr std::string_view Jungikliai[] = {Nezinomi};

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] FILE\n"
         "Reports the share of the word tokens of a UTF-8 English text that find a translation:\n"
         "a built-in word or at least one dictionary candidate. Sentences and words are cut as\n"
         "translation cuts them; punctuation and tokens without a letter (numbers) are not\n"
         "words.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba
      << "  --unknown                also list the unknown words, most frequent first\n"
         "  -h, --help               show this help\n\n"
         "Output: 'words N', 'found N' and 'coverage P%' on three lines; with --unknown, then\n"
         "one line a word: its count, a TAB and the word.\n";
}

struct Skaiciai {
  long Zodziai = 0;
  long Rasti = 0;
  std::map<std::string, long> Nezinomi;  // Windows-1257 word -> count
};

// A token the tokeniser made from word characters that holds at least one letter.
bool YraZodis(const TZodis& zodis) {
  if (zodis.KalbosDalis == dSkyriklis) return false;
  return std::any_of(zodis.Angl.begin(), zodis.Angl.end(),
                     [](char c) { return c >= 'a' && c <= 'z'; });
}

bool Randamas(ZodynuRinkinys& zodynai, const std::string& zodis) {
  TZodis vidinis;
  if (AtpazintiVidini(zodynai, zodis, vidinis)) return true;
  TZodziuList kandidatai;
  IeskotiZodyne(zodynai, zodis, kandidatai);
  return kandidatai.Kiekis() > 0;
}

void SkaiciuotiSakini(ZodynuRinkinys& zodynai, std::string_view sakinys, Skaiciai& skaiciai) {
  TSakinys saltinis;
  ParuostiSaltini(sakinys, saltinis);
  for (int i = 0; i < saltinis.Kiekis(); ++i) {
    const TZodis& zodis = saltinis.Zodziai[i];
    if (!YraZodis(zodis)) continue;
    ++skaiciai.Zodziai;
    if (Randamas(zodynai, zodis.Angl))
      ++skaiciai.Rasti;
    else
      ++skaiciai.Nezinomi[zodis.Angl];
  }
}

// The text's sentences reach the count exactly as translation would reach them, line by line.
void Skaiciuoti(ZodynuRinkinys& zodynai, TekstoEilutes& tekstas, Skaiciai& skaiciai) {
  EiluciuVertimas sakiniai([&](std::string_view sakinys, std::vector<std::string>&) {
    SkaiciuotiSakini(zodynai, sakinys, skaiciai);
  });
  std::string eilute;
  while (tekstas.Kita(eilute)) sakiniai.Versti(eilute);
  sakiniai.Baigti(eilute);
}

void RasytiRezultata(const Skaiciai& skaiciai, bool nezinomi, std::ostream& out) {
  const double dalis = skaiciai.Zodziai == 0 ? 0.0
                                              : 100.0 * static_cast<double>(skaiciai.Rasti) /
                                                    static_cast<double>(skaiciai.Zodziai);
  char procentai[32];
  std::snprintf(procentai, sizeof procentai, "%.1f", dalis);
  out << "words " << skaiciai.Zodziai << "\nfound " << skaiciai.Rasti << "\ncoverage "
      << procentai << "%\n";
  if (!nezinomi) return;
  std::vector<std::pair<std::string, long>> eile(skaiciai.Nezinomi.begin(),
                                                 skaiciai.Nezinomi.end());
  std::stable_sort(eile.begin(), eile.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [zodis, kiekis] : eile) out << kiekis << '\t' << IUtf8(zodis) << '\n';
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga =
          PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a, Jungikliai))
    return *pabaiga;
  if (a.Kiti.size() != 1) return Naudojimas(srautai, Pavadinimas, "name exactly one FILE");
  ZodynuRinkinys zodynai;
  if (!IkeltiZodynus(a.Zodynai, zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  Skaiciai skaiciai;
  try {
    TekstoEilutes tekstas(a.Kiti.front());
    Skaiciuoti(zodynai, tekstas, skaiciai);
  } catch (const FailoSkaitymoKlaida& klaida) {
    return Pranesti(srautai, Pavadinimas, klaida.what(), IsejimasFailas);
  }
  RasytiRezultata(skaiciai, a.Yra(Nezinomi), srautai.out);
  return IsejimasGerai;
}

const Registracija registracija(
    {"coverage", "share of the word tokens of an English text that find a translation", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
