#include "analysis/grupavimo_zingsniai.h"

#include <string>
#include <vector>

namespace kervosta {

namespace {

constexpr std::int32_t KategorijaButi = 99;  // built-in records of the forms of "be"
constexpr std::int32_t KlausiamasisIvardzioTipas = 5;  // the pronoun kind of "what", "who"

TZodis& Pirmas(SGrupe& g) { return *g.Zodziai.front(); }

// The word at `j` is a noun and another noun follows it in the group.
bool PriesKitaDaiktavardi(const SGrupe& g, int j) {
  if (!g.ZodisDaiktavardis(j)) return false;
  for (int k = j + 1; k < g.ZodziuSk(); ++k)
    if (g.ZodisDaiktavardis(k)) return true;
  return false;
}
TZodis& Paskutinis(SGrupe& g) { return *g.Zodziai.back(); }

void NustatytiLinksni(SGrupe& g, std::uint8_t linksnis) {
  for (TZodis* z : g.Zodziai) z->Linksnis = linksnis;
}

// The first noun group from the group `pries` on is the very next group of the list.
bool DaiktGrupeIskartPo(const SGList& grupes, int pries) {
  const int po = pries + 1;
  return po >= 0 && po < grupes.Grupes.Kiekis() && grupes.Grupes[po].Tipas == gtDaikt &&
         (pries < 0 || grupes.Grupes[pries].Tipas != gtDaikt);
}

// A noun group that is not yet a subject, an object or a prepositional object, nor a lone
// object pronoun, nor a time phrase ("every day").
bool Laisva(const SGrupe& g) {
  return g.Tipas == gtDaikt && g.Funkcija != fVeiksnys && g.Funkcija != fTiesPapild &&
         g.Funkcija != fObjektoIvardis && g.Funkcija != fNetiesPapild &&
         g.Funkcija != fAplinkybe;
}

// "What do you want?": a question word standing alone before its verb is that verb's object.
bool KlausiamasisIvardis(const SGrupe& g) {
  if (g.Tipas != gtDaikt || g.ZodziuSk() != 1) return false;
  const TZodis& z = *g.Zodziai.front();
  return z.KalbosDalis == dIvardis && z.Irasas &&
         z.Irasas->Duomenys.Pozymis() == KlausiamasisIvardzioTipas;
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
  if (angl == "you") return z.Asmuo == 2 ? 2 : 5;  // "tu" when the reader is addressed so
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

// '"Where were you?" asked her mother.': a verb right after a quotation has its subject after it.
bool PoCitatos(const SGList& grupes, int v) {
  if (v < 1 || grupes.Grupes[v - 1].Tipas != gtSkyrJung) return false;
  const std::string& zenklas = grupes.Grupes[v - 1].Zodziai.front()->Angl;
  return zenklas == "\"" || zenklas == ",";
}

// A verb's subject is the nearest free noun group before it. The free groups passed so far wait
// on a stack, the nearest on top; a group taken since stays taken, so it is dropped when it
// comes to the top.
void RastiVeiksnius(SGList& grupes) {
  std::vector<int> laisvos;
  int pereita = 0;
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v) {
    // An infinitive ("easy to learn") has no subject: the noun group before it is left to the
    // verb before that.
    if (!grupes.YraVeiksmGrupe(v) || Pirmas(grupes.Grupes[v]).Laikas == 1) continue;
    for (; pereita < v; ++pereita)
      if (Laisva(grupes.Grupes[pereita])) laisvos.push_back(pereita);
    while (!laisvos.empty() && !Laisva(grupes.Grupes[laisvos.back()])) laisvos.pop_back();
    if (!laisvos.empty()) {
      const int i = laisvos.back();
      grupes.Grupes[i].Funkcija = fVeiksnys;
      grupes.Grupes[v].Veiksnys = i;
    }
    if (grupes.Grupes[v].Veiksnys < 0 && PoCitatos(grupes, v) &&
        DaiktGrupeIskartPo(grupes, v) && Laisva(grupes.Grupes[v + 1])) {
      grupes.Grupes[v + 1].Funkcija = fVeiksnys;
      grupes.Grupes[v].Veiksnys = v + 1;
    }
  }
}

// The object is looked for up to the next verb group: beyond it, a noun group is that verb's
// ("She asked: where is the station?" - the station is not asked for).
int LaisvasPapildinys(const SGList& grupes, int v) {
  int kitas = -1;  // the first noun group before the next verb group
  for (int i = v + 1; i < grupes.Grupes.Kiekis() && !grupes.YraVeiksmGrupe(i); ++i) {
    if (Laisva(grupes.Grupes[i])) return i;
    if (kitas < 0 && grupes.Grupes[i].Tipas == gtDaikt) kitas = i;
  }
  // "see him", "call me": a lone object pronoun is the object of a verb that asks for a case.
  if (kitas >= 0 && grupes.Grupes[kitas].Funkcija == fObjektoIvardis) return kitas;
  if (grupes.Grupes.Kiekis() > 0 && KlausiamasisIvardis(grupes.Grupes[0]) &&
      grupes.Grupes[0].Funkcija == fNeapibrezta)
    return 0;
  return -1;
}

void RastiPapildinius(SGList& grupes) {
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v) {
    if (!grupes.YraVeiksmGrupe(v)) continue;
    SGrupe& veiksm = grupes.Grupes[v];
    const std::uint8_t linksnis = Paskutinis(veiksm).Linksnis;
    if (veiksm.Aktyvi != 1 || linksnis == BeLinksnio) continue;
    const int o = LaisvasPapildinys(grupes, v);
    if (o < 0) continue;
    grupes.Grupes[o].Funkcija = fTiesPapild;
    veiksm.Papildinys = o;
  }
}

// An active past participle ("she will have gone": "ji bus ėjusi") agrees with the subject in
// number and gender as a passive group does; its case is the nominative that generation gives it.
constexpr std::uint8_t AnglDalyvis = 4;

// "Tom and I": the subject joined to the noun group before it by "and" is plural, of the first
// person with "I", of the second with "you", else of the third.
const SGrupe* PrijungtasVeiksnys(const SGList& grupes, int s) {
  if (s < 2 || grupes.Grupes[s - 1].Tipas != gtSkyrJung ||
      grupes.Grupes[s - 1].Zodziai.front()->Angl != "and" || grupes.Grupes[s - 2].Tipas != gtDaikt)
    return nullptr;
  return &grupes.Grupes[s - 2];
}

std::uint8_t SujungtoAsmuo(std::uint8_t a, std::uint8_t b) {
  if (a == 1 || a == 4 || b == 1 || b == 4) return 4;
  if (a == 2 || a == 5 || b == 2 || b == 5) return 5;
  return 6;
}

void DerintiSuVeiksniu(SGrupe& v, const SGrupe& s, const SGrupe* prijungtas) {
  TZodis paskutinis = *s.Zodziai.back();
  std::uint8_t asmuo = AsmuoPagalIvardi(paskutinis);
  if (prijungtas) {
    asmuo = SujungtoAsmuo(asmuo, AsmuoPagalIvardi(*prijungtas->Zodziai.back()));
    paskutinis.Skaicius = 1;
  }
  for (TZodis* z : v.Zodziai) {
    z->Asmuo = asmuo;
    if (v.Aktyvi != 0 && z->AnglForma != AnglDalyvis) continue;
    z->Skaicius = paskutinis.Skaicius;
    if (v.Aktyvi == 0) z->Linksnis = paskutinis.Linksnis;
    if (paskutinis.Gimine != 0) z->Gimine = paskutinis.Gimine;
  }
}

// "is not a teacher" keeps its case: only a negated verb other than "be" asks for the genitive,
// and so does an infinitive after a negated modal ("can't find my keys": rasti raktų). A pronoun
// that owns a noun keeps its case; a lone one takes the verb's ("call me": man).
void LinksniuotiPapildini(SGrupe& v, SGrupe& o, const ZodynuRinkinys& zodynai,
                          bool neigiamasModalinis) {
  const TZodis& valdantis = Paskutinis(v);
  const std::uint8_t linksnis = valdantis.Linksnis;
  if (linksnis == BeLinksnio) return;
  const bool neigiamas = (valdantis.Teigiamas == 0 && !Jungtis(v, zodynai)) || neigiamasModalinis;
  for (TZodis* z : o.Zodziai) {
    if ((z->KalbosDalis != dAsmKitas || o.ZodziuSk() == 1) && z->Linksnis != 1)
      z->Linksnis = linksnis;
    if (neigiamas) z->Linksnis = 1;
  }
}

// The verb group is an infinitive after a negated verb group: "can not find".
bool PoNeigiamoModalinio(const SGList& grupes, int i) {
  if (grupes.Grupes[i].Zodziai.front()->Laikas != 1) return false;
  for (int j = i - 1; j >= 0; --j)
    if (grupes.YraVeiksmGrupe(j)) return grupes.Grupes[j].Zodziai.back()->Teigiamas == 0;
  return false;
}

// "He is a teacher": the predicate noun takes the subject's number and gender.
void DerintiVardineDali(SGrupe& v, const SGrupe& s, SGrupe& o, const ZodynuRinkinys& zodynai,
                        bool sujungtas) {
  if (v.ZodziuSk() != 1 || !Jungtis(v, zodynai)) return;
  const TZodis& paskutinis = *s.Zodziai.back();
  for (TZodis* z : o.Zodziai) {
    z->Skaicius = sujungtas ? 1 : paskutinis.Skaicius;
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
    const SGrupe* prijungtas =
        v.Veiksnys >= 0 ? PrijungtasVeiksnys(grupes, v.Veiksnys) : nullptr;
    if (s) DerintiSuVeiksniu(v, *s, prijungtas);
    if (o) LinksniuotiPapildini(v, *o, zodynai, PoNeigiamoModalinio(grupes, i));
    // "send me the report": a lone pronoun between the verb and its object receives (man).
    if (o && v.Papildinys > i + 1 && grupes.Grupes[i + 1].Funkcija == fObjektoIvardis)
      grupes.Grupes[i + 1].Zodziai.front()->Linksnis = 2;
    if (s && o) DerintiVardineDali(v, *s, *o, zodynai, prijungtas != nullptr);
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
      // A noun before another noun of the group ("bus station", "Tom's new car") keeps its
      // case: it is the genitive of the pair.
      if (PriesKitaDaiktavardi(n, j)) continue;
      n.Zodziai[static_cast<std::size_t>(j)]->Linksnis = linksnis;
    }
  }
}

// "Mr Green": a title before a name agrees with it instead of owning it.
bool Titulas(const TZodis& z) {
  return z.Angl == "mr" || z.Angl == "mrs" || z.Angl == "ms" || z.Angl == "dr";
}

void DerintiDaiktavardziuGrupes(SGList& grupes) {
  for (int i = grupes.KitaGrupe(0, gtDaikt); i >= 0; i = grupes.KitaGrupe(i + 1, gtDaikt)) {
    SGrupe& g = grupes.Grupes[i];
    const TZodis* paskutinisDaikt = nullptr;
    for (int j = 0; j < g.ZodziuSk(); ++j) {
      TZodis& z = *g.Zodziai[static_cast<std::size_t>(j)];
      const bool poJoDaikt = g.ZodisDaiktavardis(j + 1);
      if (z.KalbosDalis == dDaiktavardis) {
        if (poJoDaikt && !Titulas(z)) z.Linksnis = 1;
        paskutinisDaikt = &z;
      } else if (z.KalbosDalis == dAsmKitas && poJoDaikt) {
        z.Linksnis = 1;
      }
    }
    if (!paskutinisDaikt) continue;
    // The group takes the gender and number of its last noun; a noun in the genitive before it
    // ("the boys' teacher", "Tom's sisters") keeps its own.
    const std::uint8_t gimine = paskutinisDaikt->Gimine;
    const std::uint8_t skaicius = paskutinisDaikt->Skaicius;
    for (int j = 0; j < g.ZodziuSk(); ++j) {
      TZodis& z = *g.Zodziai[static_cast<std::size_t>(j)];
      if (z.KalbosDalis == dDaiktavardis && PriesKitaDaiktavardi(g, j) && !Titulas(z)) continue;
      z.Gimine = gimine;
      if (skaicius == 1) z.Skaicius = 1;
    }
  }
}

void NustatytiVaidmenis(SGList& grupes, const ZodynuRinkinys& zodynai) {
  SkirtiLoneObjektoIvardzius(grupes);
  RastiVeiksnius(grupes);
  RastiPapildinius(grupes);
  Derinti(grupes, zodynai);
}

// "know where Tom lives": a question word starts a clause of its own and takes no case.
bool KlausiamasisPrieveiksmis(const TZodis& z) {
  return z.Angl == "where" || z.Angl == "when" || z.Angl == "why" || z.Angl == "how";
}

void VeiksmazodziaiPerduodaLinksni(SGList& grupes) {
  for (int v = grupes.KitaGrupe(0, gtVeiksm); v >= 0; v = grupes.KitaGrupe(v + 1, gtVeiksm)) {
    const int a = v + 1;
    if (a >= grupes.Grupes.Kiekis() || grupes.Grupes[a].Tipas != gtPriev ||
        Pirmas(grupes.Grupes[a]).Linksnis != BeLinksnio ||
        KlausiamasisPrieveiksmis(Pirmas(grupes.Grupes[a])))
      continue;
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
