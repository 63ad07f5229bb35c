#include "analysis/sakinio_paieska.h"

#include "analysis/koregavimas.h"
#include "analysis/segment_isvedimas.h"
#include "analysis/zodzio_paieska.h"

namespace kervosta {

namespace {

// Every feature but the capital flag, which has a rule of its own.
void PerimtiPozymius(const TZodis& is, TZodis& i) {
  i.Nr = is.Nr;
  i.Vidinis = is.Vidinis;
  i.Angl = is.Angl;
  i.Liet = is.Liet;
  i.Liet2 = is.Liet2;
  i.KalbosDalis = is.KalbosDalis;
  i.Linksnis = is.Linksnis;
  i.Laipsnis = is.Laipsnis;
  i.Gimine = is.Gimine;
  i.Skaicius = is.Skaicius;
  i.Nuosaka = is.Nuosaka;
  i.Laikas = is.Laikas;
  i.AnglForma = is.AnglForma;
  i.Asmuo = is.Asmuo;
  i.Teigiamas = is.Teigiamas;
  i.Veikiamoji = is.Veikiamoji;
  i.Irasas = is.Irasas;
}

// Punctuation and built-in words need no dictionary; returns whether the word is settled.
bool SurastiBeZodyno(const ZodynuRinkinys& zodynai, TZodis& zodis) {
  if (zodis.KalbosDalis == dSkyriklis) return true;
  TZodis vidinis;
  vidinis.Angl = zodis.Angl;
  vidinis.KalbosDalis = zodis.KalbosDalis;
  vidinis.Liet = zodis.Liet;
  if (!AtpazintiVidini(zodynai, zodis.Angl, vidinis)) return false;
  PerimtiPozymius(vidinis, zodis);
  // English writes "I" with a capital wherever it stands; "aš" takes one only where the
  // sentence starts, and rendering capitalises the first word anyway.
  if (zodis.Angl == "i") zodis.Tikrinis = 0;
  return true;
}

void RodytiAngliska(TZodis& zodis) { zodis.Liet = zodis.Angl; }

// Whether a form of "have" or "be" stands before the word, adverbs and "not" aside: only then
// can an English past participle be the verb.
bool PriesDalyviPagalbinis(const TSakinys& sakinys, int indeksas) {
  static constexpr std::string_view pagalbiniai[] = {
      "have", "has", "had", "having", "hadn't", "be", "am", "is", "are", "was", "were",
      "wasn't", "weren't", "been", "being"};
  for (int i = indeksas - 1; i >= 0; --i) {
    const TZodis& z = sakinys.Zodziai[i];
    if (z.KalbosDalis == dPrieveiksmis || z.Angl == "not") continue;
    for (std::string_view p : pagalbiniai)
      if (z.Angl == p) return true;
    return false;
  }
  return false;
}

// The index of the candidate automatic lookup takes. The last wins, with one exception: a verb
// written the same way in several forms (come, run, put, read) matches its past participle
// last, and a participle with no "have" or "be" before it cannot be the verb, so the entry's
// latest other form is taken instead.
int AutomatinisKandidatas(const TZodziuList& kandidatai, const TSakinys& sakinys, int indeksas) {
  const int paskutinis = kandidatai.Kiekis() - 1;
  const TZodis& zodis = kandidatai[paskutinis];
  if (zodis.KalbosDalis != dVeiksmazodis || zodis.AnglForma != 4 ||
      PriesDalyviPagalbinis(sakinys, indeksas))
    return paskutinis;
  for (int i = paskutinis - 1; i >= 0; --i)
    if (kandidatai[i].Irasas == zodis.Irasas && kandidatai[i].AnglForma != 4) return i;
  return paskutinis;
}

void ImtiPaskutini(const TZodziuList& kandidatai, const TSakinys& sakinys, int indeksas,
                   TZodis& zodis) {
  if (kandidatai.Kiekis() == 0)
    RodytiAngliska(zodis);
  else
    PerimtiKandidata(kandidatai[AutomatinisKandidatas(kandidatai, sakinys, indeksas)], zodis);
}

// Asks about a word with no candidate or several and applies the answer to the candidate list as
// it is afterwards. An answer outside that list counts as no answer.
void Klausti(Aplinka& aplinka, const TSakinys& sakinys, int indeksas, TZodis& zodis) {
  const TZodziuList& kandidatai = aplinka.Variantai.Zodziai;  // the answer may refill it
  const bool nezinomas = kandidatai.Kiekis() == 0;
  const std::uint8_t rezimas = nezinomas ? rezNezinomas : rezDaugiaprasmis;
  const int numatytas =
      nezinomas ? NeraPasirinkimo : AutomatinisKandidatas(kandidatai, sakinys, indeksas) + 1;
  const int pasirinktas =
      aplinka.Klausejas == nullptr
          ? NeraPasirinkimo
          : aplinka.Klausejas->Klausti(rezimas, KlausimoSakinys(sakinys), std::string(zodis.Angl),
                                       numatytas, aplinka);
  if (pasirinktas == AtsauktiVertima) throw VertimasAtsauktas();
  if (pasirinktas >= 1 && pasirinktas <= kandidatai.Kiekis())
    PerimtiKandidata(kandidatai[pasirinktas - 1], zodis);
  else if (rezimas == rezNezinomas || pasirinktas == PaliktiAngliska)
    RodytiAngliska(zodis);
  else
    ImtiPaskutini(kandidatai, sakinys, indeksas, zodis);
}

template <typename Sprendimas>
void SurastiKiekviena(Aplinka& aplinka, TSakinys& saltinis, Sprendimas sprendimas) {
  for (int i = 0; i < saltinis.Kiekis(); ++i) {
    TZodis& zodis = saltinis.Zodziai[i];
    aplinka.Variantai.Zodziai.Isvalyti();
    if (SurastiBeZodyno(aplinka.Zodynai, zodis)) continue;
    IeskotiZodyne(aplinka, zodis.Angl);
    sprendimas(zodis, i);
  }
}

}  // namespace

void PerimtiKandidata(const TZodis& kandidatas, TZodis& zodis) {
  PerimtiPozymius(kandidatas, zodis);
  if (kandidatas.Tikrinis == 1) zodis.Tikrinis = 1;
}

void SurastiAutomatiskai(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis, [&](TZodis& zodis, int i) {
    ImtiPaskutini(aplinka.Variantai.Zodziai, saltinis, i, zodis);
  });
}

void SurastiSuKoregavimu(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis, [&](TZodis& zodis, int i) {
    if (aplinka.Variantai.Kiekis() == 1)
      PerimtiKandidata(aplinka.Variantai.Zodziai[0], zodis);
    else
      Klausti(aplinka, saltinis, i, zodis);
  });
}

void SurastiSakinioZodzius(Aplinka& aplinka, TSakinys& saltinis) {
  if (aplinka.AutomatinisVertimas == 1)
    SurastiAutomatiskai(aplinka, saltinis);
  else
    SurastiSuKoregavimu(aplinka, saltinis);
}

std::string KlausimoSakinys(const TSakinys& sakinys) {
  std::string tekstas;
  bool pirmas = true;
  for (int i = 0; i < sakinys.Kiekis(); ++i) {
    const TZodis& zodis = sakinys.Zodziai[i];
    const bool skyriklis = zodis.KalbosDalis == dSkyriklis;
    if (!zodis.Angl.empty()) {
      if (pirmas)
        tekstas += DidziojiRaide(zodis.Angl);
      else
        tekstas += (skyriklis ? "" : " ") + zodis.Angl;
      pirmas = false;
    }
    if (skyriklis && !zodis.Liet.empty() &&
        (zodis.Liet[0] == '.' || zodis.Liet[0] == '!' || zodis.Liet[0] == '?'))
      tekstas += ' ';
  }
  return tekstas;
}

}  // namespace kervosta
