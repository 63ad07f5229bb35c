#include "analysis/grupavimo_zingsniai.h"

#include <string>

namespace kervosta {

namespace {

constexpr std::int32_t KategorijaButi = 99;  // built-in records of the forms of "be"

TZodis& Pirmas(SGrupe& g) { return *g.Zodziai.front(); }
TZodis& Paskutinis(SGrupe& g) { return *g.Zodziai.back(); }

void NustatytiLinksni(SGrupe& g, std::uint8_t linksnis) {
  for (TZodis* z : g.Zodziai) z->Linksnis = linksnis;
}

// The first noun group after the group `pries` is the very next group of the list.
bool DaiktGrupeIskartPo(const SGList& grupes, int pries) {
  return grupes.KitaGrupe(pries, gtDaikt) == pries + 1;
}

// A noun group that is not yet a subject, an object or a prepositional object, nor a lone
// object pronoun.
bool Laisva(const SGrupe& g) {
  return g.Tipas == gtDaikt && g.Funkcija != fVeiksnys && g.Funkcija != fTiesPapild &&
         g.Funkcija != fObjektoIvardis && g.Funkcija != fNetiesPapild;
}

// The verb group is a form of "be": its last word is built in and the built-in record of its
// first word is marked as "be". A number outside the six records is no record at all.
bool Jungtis(SGrupe& v, const ZodynuRinkinys& zodynai) {
  if (Paskutinis(v).Vidinis != 1) return false;
  const std::int32_t nr = Pirmas(v).Nr;
  return nr >= 1 && nr <= static_cast<std::int32_t>(zodynai.VidiniaiIrasai.size()) &&
         zodynai.VidiniaiIrasai[static_cast<std::size_t>(nr - 1)].Kategorija() == KategorijaButi;
}

std::uint8_t AsmuoPagalIvardi(const TZodis& z) {
  std::string angl = z.Angl;
  for (char& c : angl)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (angl == "i") return 1;
  if (angl == "you") return 5;
  if (angl == "he" || angl == "she") return 3;
  if (angl == "we") return 4;
  if (angl == "they") return 6;
  return z.Asmuo;
}

void SkirtiLoneObjektoIvardzius(SGList& grupes) {
  for (int i = 0; i < grupes.Grupes.Kiekis(); ++i) {
    SGrupe& g = grupes.Grupes[i];
    if (g.Tipas == gtDaikt && g.ZodziuSk() == 1 && Pirmas(g).KalbosDalis == dAsmKitas)
      g.Funkcija = fObjektoIvardis;
  }
}

void RastiVeiksnius(SGList& grupes) {
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v) {
    if (!grupes.YraVeiksmGrupe(v)) continue;
    for (int i = v - 1; i >= 0; --i) {
      if (!Laisva(grupes.Grupes[i])) continue;
      grupes.Grupes[i].Funkcija = fVeiksnys;
      grupes.Grupes[v].Veiksnys = i;
      break;
    }
  }
}

int LaisvasPapildinys(const SGList& grupes, int v, std::uint8_t linksnis) {
  for (int i = v + 1; i < grupes.Grupes.Kiekis(); ++i)
    if (Laisva(grupes.Grupes[i])) return i;
  const int kitas = grupes.KitaGrupe(v + 1, gtDaikt);
  // "see him": a lone object pronoun is the object of a verb asking "ką?".
  if (linksnis == 3 && kitas >= 0 && grupes.Grupes[kitas].Funkcija == fObjektoIvardis) return kitas;
  return -1;
}

void RastiPapildinius(SGList& grupes) {
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v) {
    if (!grupes.YraVeiksmGrupe(v)) continue;
    SGrupe& veiksm = grupes.Grupes[v];
    const std::uint8_t linksnis = Paskutinis(veiksm).Linksnis;
    if (veiksm.Aktyvi != 1 || linksnis == BeLinksnio) continue;
    const int o = LaisvasPapildinys(grupes, v, linksnis);
    if (o < 0) continue;
    grupes.Grupes[o].Funkcija = fTiesPapild;
    veiksm.Papildinys = o;
  }
}

// An active past participle ("she will have gone": "ji bus ėjusi") agrees with the subject in
// number and gender as a passive group does; its case is the nominative that generation gives it.
constexpr std::uint8_t AnglDalyvis = 4;

void DerintiSuVeiksniu(SGrupe& v, const SGrupe& s) {
  const TZodis& paskutinis = *s.Zodziai.back();
  const std::uint8_t asmuo = AsmuoPagalIvardi(paskutinis);
  for (TZodis* z : v.Zodziai) {
    z->Asmuo = asmuo;
    if (v.Aktyvi != 0 && z->AnglForma != AnglDalyvis) continue;
    z->Skaicius = paskutinis.Skaicius;
    if (v.Aktyvi == 0) z->Linksnis = paskutinis.Linksnis;
    if (paskutinis.Gimine != 0) z->Gimine = paskutinis.Gimine;
  }
}

void LinksniuotiPapildini(SGrupe& v, SGrupe& o, const ZodynuRinkinys& zodynai) {
  const TZodis& valdantis = Paskutinis(v);
  const std::uint8_t linksnis = valdantis.Linksnis;
  if (linksnis == BeLinksnio) return;
  // "is not a teacher" keeps its case: only a negated verb other than "be" asks for the genitive.
  const bool neigiamas = valdantis.Teigiamas == 0 && !Jungtis(v, zodynai);
  for (TZodis* z : o.Zodziai) {
    if (z->KalbosDalis != dAsmKitas && z->Linksnis != 1) z->Linksnis = linksnis;
    if (neigiamas) z->Linksnis = 1;
  }
}

// "He is a teacher": the predicate noun takes the subject's number and gender.
void DerintiVardineDali(SGrupe& v, const SGrupe& s, SGrupe& o, const ZodynuRinkinys& zodynai) {
  if (v.ZodziuSk() != 1 || !Jungtis(v, zodynai)) return;
  const TZodis& paskutinis = *s.Zodziai.back();
  for (TZodis* z : o.Zodziai) {
    z->Skaicius = paskutinis.Skaicius;
    if (paskutinis.Gimine != 0) z->Gimine = paskutinis.Gimine;
  }
}

// "The book is not seen": "not" parts the participle from its "be", and the subject went to the
// "be". The passive participle agrees with that subject all the same, or it kept the case its
// verb governs ("nėra matytą").
SGrupe* BendrasVeiksnys(SGList& grupes, int v) {
  for (int i = v - 1; i >= 0; --i)
    if (grupes.YraVeiksmGrupe(i))
      return grupes.Grupes[i].Veiksnys >= 0 ? &grupes.Grupes[grupes.Grupes[i].Veiksnys] : nullptr;
  return nullptr;
}

void Derinti(SGList& grupes, const ZodynuRinkinys& zodynai) {
  for (int i = 0; i < grupes.Grupes.Kiekis(); ++i) {
    if (!grupes.YraVeiksmGrupe(i)) continue;
    SGrupe& v = grupes.Grupes[i];
    SGrupe* s = v.Veiksnys >= 0 ? &grupes.Grupes[v.Veiksnys] : nullptr;
    if (!s && v.Aktyvi == 0) s = BendrasVeiksnys(grupes, i);
    SGrupe* o = v.Papildinys >= 0 ? &grupes.Grupes[v.Papildinys] : nullptr;
    if (s) DerintiSuVeiksniu(v, *s);
    if (o) LinksniuotiPapildini(v, *o, zodynai);
    if (s && o) DerintiVardineDali(v, *s, *o, zodynai);
  }
}

}  // namespace

void PrielinksniaiValdo(SGList& grupes) {
  for (int p = grupes.KitaGrupe(0, gtPriel); p >= 0; p = grupes.KitaGrupe(p + 1, gtPriel)) {
    const std::uint8_t linksnis = Pirmas(grupes.Grupes[p]).Linksnis;
    if (!DaiktGrupeIskartPo(grupes, p) || linksnis == BeLinksnio) continue;
    SGrupe& n = grupes.Grupes[p + 1];
    n.Funkcija = fNetiesPapild;
    for (int j = 0; j < n.ZodziuSk(); ++j) {
      // The first of two nouns ("bus station") keeps its case: it is the genitive of the pair.
      if (n.ZodisDaiktavardis(j) && n.ZodisDaiktavardis(j + 1)) continue;
      n.Zodziai[static_cast<std::size_t>(j)]->Linksnis = linksnis;
    }
  }
}

void DerintiDaiktavardziuGrupes(SGList& grupes) {
  for (int i = grupes.KitaGrupe(0, gtDaikt); i >= 0; i = grupes.KitaGrupe(i + 1, gtDaikt)) {
    SGrupe& g = grupes.Grupes[i];
    const TZodis* paskutinisDaikt = nullptr;
    bool daugiskaita = false;
    for (int j = 0; j < g.ZodziuSk(); ++j) {
      TZodis& z = *g.Zodziai[static_cast<std::size_t>(j)];
      const bool poJoDaikt = g.ZodisDaiktavardis(j + 1);
      if (z.KalbosDalis == dDaiktavardis) {
        if (poJoDaikt) z.Linksnis = 1;
        paskutinisDaikt = &z;
        if (z.Skaicius == 1) daugiskaita = true;
      } else if (z.KalbosDalis == dAsmKitas && poJoDaikt) {
        z.Linksnis = 1;
      }
    }
    if (!paskutinisDaikt) continue;
    const std::uint8_t gimine = paskutinisDaikt->Gimine;
    for (TZodis* z : g.Zodziai) {
      z->Gimine = gimine;
      if (daugiskaita) z->Skaicius = 1;
    }
  }
}

void NustatytiVaidmenis(SGList& grupes, const ZodynuRinkinys& zodynai) {
  SkirtiLoneObjektoIvardzius(grupes);
  RastiVeiksnius(grupes);
  RastiPapildinius(grupes);
  Derinti(grupes, zodynai);
}

void VeiksmazodziaiPerduodaLinksni(SGList& grupes) {
  for (int v = grupes.KitaGrupe(0, gtVeiksm); v >= 0; v = grupes.KitaGrupe(v + 1, gtVeiksm)) {
    const int a = grupes.KitaGrupe(v, gtPriev);
    if (a != v + 1 || Pirmas(grupes.Grupes[a]).Linksnis != BeLinksnio) continue;
    NustatytiLinksni(grupes.Grupes[a], Pirmas(grupes.Grupes[v]).Linksnis);
  }
}

void PrieveiksmiaiValdo(SGList& grupes) {
  if (grupes.PrievSk == 0) return;
  for (int a = grupes.KitaGrupe(0, gtPriev); a >= 0; a = grupes.KitaGrupe(a + 1, gtPriev)) {
    const std::uint8_t linksnis = Pirmas(grupes.Grupes[a]).Linksnis;
    if (DaiktGrupeIskartPo(grupes, a) && linksnis != BeLinksnio)
      NustatytiLinksni(grupes.Grupes[a + 1], linksnis);
  }
}

}  // namespace kervosta
