// kervosta-cli coverage: how much of an English text the dictionaries know. The text is cut into
// sentences and words exactly as translation cuts it, and each word token is looked up as
// translation looks it up; a token counts as found when the built-in words or a dictionary give
// it at least one candidate.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/segment_sutrumpinimai.h"
#include "analysis/segmentavimas.h"
#include "analysis/zodzio_paieska.h"
#include "cli/komandos.h"
#include "cli/zodynu_parinktys.h"
#include "core/cp1257.h"
#include "translation/eiluciu_sarasai.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli coverage";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] FILE\n"
         "Reports the share of the word tokens of a UTF-8 English text that find a translation:\n"
         "a built-in word or at least one dictionary candidate. Sentences and words are cut as\n"
         "translation cuts them; punctuation and tokens without a letter (numbers) are not\n"
         "words.\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba
      << "  --unknown                also list the unknown words, most frequent first\n"
         "  --help                   show this help\n\n"
         "Output: 'words N', 'found N' and 'coverage P%' on three lines; with --unknown, then\n"
         "one line a word: its count, a TAB and the word.\n";
}

struct Parinktys {
  ZodynuParinktys Zodynai;
  bool Nezinomi = false;
  std::vector<std::string> Failai;
};

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
  SkaidytiZodzius(sakinys, saltinis);
  ValytiSaltini(saltinis);
  IsskleistiSutrumpinimus(saltinis);
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

// The sentences of the text as translation finds them: line by line, an unfinished sentence
// carried into the next line, and what is left at the end as one more sentence.
std::vector<std::string> Sakiniai(std::string_view tekstas) {
  std::vector<std::string> sakiniai;
  SakiniuSkaidytojas skaidytojas;
  for (const std::string& eilute : SkaidytiEilutemis(tekstas))
    skaidytojas.SkaidytiEilute(eilute, sakiniai);
  if (!skaidytojas.Likutis().empty()) VisasLikutisSakiniu(skaidytojas.Likutis(), sakiniai);
  return sakiniai;
}

Parinktys SkaitytiParinktis(const std::vector<std::string>& argumentai, bool& pagalba) {
  Parinktys parinktys;
  for (std::size_t i = 0; i < argumentai.size(); ++i) {
    const std::string& a = argumentai[i];
    if (a == "--help" || a == "-h") {
      pagalba = true;
      return parinktys;
    }
    if (ImtiZodynoParinkti(argumentai, i, parinktys.Zodynai)) continue;
    if (a == "--unknown") {
      parinktys.Nezinomi = true;
      continue;
    }
    if (a.size() > 1 && a[0] == '-') throw ZodynoParinktiesKlaida("unknown option '" + a + "'");
    parinktys.Failai.push_back(a);
  }
  if (parinktys.Failai.size() != 1) throw ZodynoParinktiesKlaida("name exactly one FILE");
  return parinktys;
}

// The file's bytes; false with a message when it cannot be read.
bool SkaitytiFaila(const std::string& failas, std::string& turinys, std::string& klaida) {
  std::FILE* f = std::fopen(failas.c_str(), "rb");
  if (f == nullptr) {
    klaida = "cannot read '" + failas + "': " + std::strerror(errno);
    return false;
  }
  char buferis[1 << 16];
  std::size_t n;
  while ((n = std::fread(buferis, 1, sizeof buferis, f)) > 0) turinys.append(buferis, n);
  const int kodas = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (kodas != 0) klaida = "cannot read '" + failas + "': " + std::strerror(kodas);
  return kodas == 0;
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
  Parinktys parinktys;
  bool pagalba = false;
  try {
    parinktys = SkaitytiParinktis(argumentai, pagalba);
  } catch (const ZodynoParinktiesKlaida& klaida) {
    srautai.err << Pavadinimas << ": " << klaida.what() << " (see " << Pavadinimas << " --help)\n";
    return IsejimasNaudojimas;
  }
  if (pagalba) {
    RasytiPagalba(srautai.out);
    return IsejimasGerai;
  }

  std::string utf8;
  std::string klaida;
  if (!SkaitytiFaila(parinktys.Failai.front(), utf8, klaida)) {
    srautai.err << Pavadinimas << ": " << klaida << '\n';
    return IsejimasFailas;
  }
  std::string tekstas;
  try {
    tekstas = IsUtf8(utf8).Tekstas;
  } catch (const NetinkamasUtf8& netinkamas) {
    srautai.err << Pavadinimas << ": " << parinktys.Failai.front() << ": " << netinkamas.what()
                << '\n';
    return IsejimasFailas;
  }

  ZodynuRinkinys zodynai;
  try {
    IkeltiZodynus(parinktys.Zodynai, zodynai);
  } catch (const ZodynoSkaitymoKlaida& skaitymo) {
    srautai.err << Pavadinimas << ": " << skaitymo.what() << '\n';
    return IsejimasFailas;
  }

  Skaiciai skaiciai;
  for (const std::string& sakinys : Sakiniai(tekstas)) SkaiciuotiSakini(zodynai, sakinys, skaiciai);
  RasytiRezultata(skaiciai, parinktys.Nezinomi, srautai.out);
  return BaigtiIsvedima(srautai, Pavadinimas);
}

const Registracija registracija(
    {"coverage", "share of the word tokens of an English text that find a translation", Vykdyti});

}  // namespace

}  // namespace kervosta::cli
