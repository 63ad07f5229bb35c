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

void ImtiPaskutini(const TZodziuList& kandidatai, TZodis& zodis) {
  if (kandidatai.Kiekis() == 0)
    RodytiAngliska(zodis);
  else
    PerimtiKandidata(kandidatai[kandidatai.Kiekis() - 1], zodis);
}

// Asks about a word with no candidate or several and applies the answer to the candidate list as
// it is afterwards. An answer outside that list counts as no answer.
void Klausti(Aplinka& aplinka, const TSakinys& sakinys, TZodis& zodis) {
  const std::uint8_t rezimas =
      aplinka.Variantai.Kiekis() == 0 ? rezNezinomas : rezDaugiaprasmis;
  const int pasirinktas =
      aplinka.Klausejas == nullptr
          ? NeraPasirinkimo
          : aplinka.Klausejas->Klausti(rezimas, KlausimoSakinys(sakinys), std::string(zodis.Angl),
                                       aplinka);
  const TZodziuList& kandidatai = aplinka.Variantai.Zodziai;
  if (pasirinktas >= 1 && pasirinktas <= kandidatai.Kiekis())
    PerimtiKandidata(kandidatai[pasirinktas - 1], zodis);
  else if (rezimas == rezNezinomas || pasirinktas == PaliktiAngliska)
    RodytiAngliska(zodis);
  else
    ImtiPaskutini(kandidatai, zodis);
}

template <typename Sprendimas>
void SurastiKiekviena(Aplinka& aplinka, TSakinys& saltinis, Sprendimas sprendimas) {
  for (int i = 0; i < saltinis.Kiekis(); ++i) {
    TZodis& zodis = saltinis.Zodziai[i];
    aplinka.Variantai.Zodziai.Isvalyti();
    if (SurastiBeZodyno(aplinka.Zodynai, zodis)) continue;
    IeskotiZodyne(aplinka, zodis.Angl);
    sprendimas(zodis);
  }
}

}  // namespace

void PerimtiKandidata(const TZodis& kandidatas, TZodis& zodis) {
  PerimtiPozymius(kandidatas, zodis);
  if (kandidatas.Tikrinis == 1) zodis.Tikrinis = 1;
}

void SurastiAutomatiskai(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis,
                   [&](TZodis& zodis) { ImtiPaskutini(aplinka.Variantai.Zodziai, zodis); });
}

void SurastiSuKoregavimu(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis, [&](TZodis& zodis) {
    if (aplinka.Variantai.Kiekis() == 1)
      PerimtiKandidata(aplinka.Variantai.Zodziai[0], zodis);
    else
      Klausti(aplinka, saltinis, zodis);
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
