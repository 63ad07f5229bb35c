#include "analysis/grupavimo_taisykles.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/kandidatu_parinkimas.h"
#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;
using Zodziai = std::initializer_list<std::string_view>;

constexpr std::uint8_t Kilmininkas = 1;
constexpr std::uint8_t Naudininkas = 2;
constexpr std::uint8_t Galininkas = 3;
constexpr std::uint8_t Inagininkas = 4;
constexpr std::int32_t KategorijaZmogus = 1;  // noun category of people
constexpr std::int32_t KategorijaLaikas = 4;  // noun category of time
constexpr std::int32_t KodasSkaitvardis = 13;
constexpr std::int32_t KlausimasKo = 2;       // a record's required question "ko?"

bool Yra(std::string_view zodis, Zodziai zodziai) {
  for (std::string_view z : zodziai)
    if (zodis == z) return true;
  return false;
}

TZodis& Pirmas(const SGrupe& g) { return *g.Zodziai.front(); }

const ZodynoIrasas* Irasas(const TZodis& z) { return z.Irasas ? &z.Irasas->Duomenys : nullptr; }

// The English base form of a word found in the dictionary, or the word itself.
std::string_view Bazine(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  return irasas ? irasas->Vaizdas(TekstoLaukas::Angl1) : std::string_view(z.Angl);
}

bool DaiktGrupe(const SGList& grupes, int g) {
  return g >= 0 && g < grupes.Grupes.Kiekis() && grupes.Grupes[g].Tipas == gtDaikt;
}

// The last noun of a noun group: the word the group is about.
TZodis* Galva(SGrupe& g) {
  for (auto it = g.Zodziai.rbegin(); it != g.Zodziai.rend(); ++it)
    if ((*it)->KalbosDalis == dDaiktavardis) return *it;
  return nullptr;
}

void NustatytiLinksni(SGrupe& g, std::uint8_t linksnis) {
  for (TZodis* z : g.Zodziai) z->Linksnis = linksnis;
}

// A preposition Lithuanian does without: no text, no case of its own.
void Nutildyti(TZodis& z) {
  z.Liet.clear();
  z.Linksnis = BeLinksnio;
}

// The one word of the prepositional group right before group `g`, or none.
TZodis* Prielinksnis(SGList& grupes, int g) {
  if (g < 1 || grupes.Grupes[g - 1].Tipas != gtPriel || grupes.Grupes[g - 1].ZodziuSk() != 1)
    return nullptr;
  return grupes.Grupes[g - 1].Zodziai[0];
}

bool Laiko(const TZodis* z) {
  const ZodynoIrasas* irasas = z ? Irasas(*z) : nullptr;
  return irasas && irasas->Kategorija() == KategorijaLaikas;
}

// Units a duration is counted in: "for two hours", "in five minutes".
bool LaikoVienetas(const TZodis& z) {
  return Yra(Bazine(z), {"second", "minute", "hour", "day", "week", "month", "year", "moment",
                         "century", "decade", "weekend"});
}

bool Metu(const TZodis& z) {
  return Yra(Bazine(z), {"summer", "winter", "spring", "autumn", "fall"});
}

bool TuriSkaitvardi(const SGrupe& g) {
  for (const TZodis* z : g.Zodziai)
    if (z->KalbosDalis == dSkaitvardis) return true;
  return false;
}

void Aplinkybe(SGrupe& g, std::uint8_t linksnis) {
  NustatytiLinksni(g, linksnis);
  g.Funkcija = LaikoVaidmuo;
}

// The value of a cardinal numeral from its digits ("7", or the record's "7" for "seven").
int SkaitmenuReiksme(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  if (irasas && irasas->Kategorija() != 0) return 0;
  const std::string_view skaitmenys = irasas ? irasas->Vaizdas(TekstoLaukas::Angl3) : z.Angl;
  if (skaitmenys.empty() || skaitmenys.size() > 4) return 0;
  int reiksme = 0;
  for (char c : skaitmenys) {
    if (c < '0' || c > '9') return 0;
    reiksme = reiksme * 10 + (c - '0');
  }
  return reiksme;
}

// The ordinal entry whose digits are the number's: "7th" for 7.
ZodynoMazgas* Kelintinis(const ZodynuRinkinys& zodynai, int skaicius) {
  const int paskutinis = skaicius % 10;
  const bool th = skaicius % 100 >= 11 && skaicius % 100 <= 13;
  const char* priesaga =
      th ? "th" : paskutinis == 1 ? "st" : paskutinis == 2 ? "nd" : paskutinis == 3 ? "rd" : "th";
  const std::string skaitmenys = std::to_string(skaicius) + priesaga;
  for (const ZodynoSarasas* sarasas : {&zodynai.PagrindinisZodynas, &zodynai.VartotojoZodynas})
    for (ZodynoMazgas* m = sarasas->Galva(); m != nullptr; m = m->Kitas)
      if (m->Duomenys.DaliesKodas() == KodasSkaitvardis && m->Duomenys.Kategorija() == 1 &&
          m->Duomenys.Vaizdas(TekstoLaukas::Angl3) == skaitmenys)
        return m;
  return nullptr;
}

// "seven o'clock", "at seven": the hour is an ordinal of "valanda" ("septinta valanda").
bool Valanda(SGList& grupes, int g, const ZodynuRinkinys& zodynai) {
  SGrupe& n = grupes.Grupes[g];
  TZodis& skaitvardis = Pirmas(n);
  const int valanda = skaitvardis.KalbosDalis == dSkaitvardis ? SkaitmenuReiksme(skaitvardis) : 0;
  if (valanda < 1 || valanda > 12) return false;
  TZodis* p = Prielinksnis(grupes, g);
  const bool at = p && p->Angl == "at" && n.ZodziuSk() <= 2;
  const bool oclock = n.ZodziuSk() == 2 && n.Zodziai[1]->Angl == "o'clock";
  if ((!at && !oclock) || (n.ZodziuSk() == 2 && !oclock)) return false;
  ZodynoMazgas* kelintinis = Kelintinis(zodynai, valanda);
  if (!kelintinis) return false;
  skaitvardis.Irasas = kelintinis;
  skaitvardis.Nr = 1;
  skaitvardis.Liet = kelintinis->Duomenys.LietZodis();
  skaitvardis.Gimine = 2;
  if (at) {
    Nutildyti(*p);
    Aplinkybe(n, Galininkas);
  }
  return true;
}

// "in 1990": 1990 metais.
bool Metai(SGList& grupes, int g) {
  SGrupe& n = grupes.Grupes[g];
  TZodis* p = Prielinksnis(grupes, g);
  const int metai = n.ZodziuSk() == 1 ? SkaitmenuReiksme(Pirmas(n)) : 0;
  if (!p || p->Angl != "in" || metai < 1000 || Pirmas(n).Liet != Pirmas(n).Angl) return false;
  Nutildyti(*p);
  Pirmas(n).Liet += " metais";
  n.Funkcija = LaikoVaidmuo;
  return true;
}

void LaikoFraze(SGList& grupes, int g) {
  SGrupe& n = grupes.Grupes[g];
  TZodis* galva = Galva(n);
  if (!Laiko(galva)) return;
  const bool tikrinis = Irasas(*galva)->Pozymis() == 1;
  TZodis* p = Prielinksnis(grupes, g);
  if (!p) {
    // "next year", "last year": kitais metais, the instrumental.
    if (Yra(Pirmas(n).Angl, {"every", "each", "next", "last", "this", "that", "all", "one",
                             "previous", "whole"}))
      Aplinkybe(n, Bazine(*galva) == "year" ? Inagininkas : Galininkas);
    return;
  }
  if (p->Angl == "on") {
    // "on Mondays": every Monday, the instrumental plural.
    Aplinkybe(n, tikrinis && galva->Skaicius == 1 ? Inagininkas : Galininkas);
    Nutildyti(*p);
  } else if (p->Angl == "in" && LaikoVienetas(*galva) && TuriSkaitvardi(n)) {
    p->Liet = "po";
    p->Linksnis = Kilmininkas;
  } else if ((p->Angl == "in" && (tikrinis || Metu(*galva))) ||
             (p->Angl == "at" && Yra(Bazine(*galva), {"noon", "midnight", "night", "weekend"})) ||
             (p->Angl == "for" && LaikoVienetas(*galva))) {
    Aplinkybe(n, Galininkas);
    Nutildyti(*p);
  }
}

bool NeveikiamojiGrupe(const SGList& grupes, int g) {
  return g >= 0 && grupes.YraVeiksmGrupe(g) && grupes.Grupes[g].Aktyvi == 0;
}

// The person a possessive speaks of, and for the third person its gender (0 any).
bool SavybinioAsmuo(const TZodis& z, std::uint8_t& asmuo, std::uint8_t& gimine) {
  gimine = 0;
  if (z.KalbosDalis == dAsmKitas && z.Linksnis == Kilmininkas) {
    asmuo = z.Asmuo;
    gimine = z.Angl == "his" ? 1 : 0;
    return true;
  }
  if (z.KalbosDalis == dAsmKitas && z.Angl == "her") {
    asmuo = 3;
    gimine = 2;
    return true;
  }
  if (z.KalbosDalis == dIvardis && Yra(z.Angl, {"my", "its"})) {
    asmuo = z.Angl == "my" ? 1 : 3;
    return true;
  }
  return false;
}

// Person and gender of a subject: a personal pronoun's own, a noun's third person.
void VeiksnioAsmuo(const SGrupe& s, std::uint8_t& asmuo, std::uint8_t& gimine) {
  const TZodis& z = *s.Zodziai.back();
  gimine = z.Gimine;
  if (z.KalbosDalis == dAsmVardininkas)
    asmuo = z.Asmuo;
  else
    asmuo = z.Skaicius == 1 ? 6 : 3;
}

bool Savas(std::uint8_t asmuo, std::uint8_t gimine, std::uint8_t veiksnioAsmuo,
           std::uint8_t veiksnioGimine) {
  if (asmuo == 3 && (veiksnioAsmuo == 3 || veiksnioAsmuo == 6))
    return gimine == 0 || veiksnioGimine == 0 || gimine == veiksnioGimine;
  return asmuo == veiksnioAsmuo;
}

void PaverstiSavo(TZodis& z) {
  z.Liet = "savo";
  z.KalbosDalis = dIvardis;
  z.Vidinis = 0;
  z.Nr = 0;
  z.Irasas = nullptr;
}

// The first verb group of the sentence when it is a command: its person is its subject.
bool Liepiamoji(const SGrupe& v) {
  for (const TZodis* z : v.Zodziai)
    if (z->Nuosaka == 2 && z->KalbosDalis == dVeiksmazodis) return true;
  return false;
}

bool ButiesGrupe(const SGrupe& v) {
  const TZodis& z = *v.Zodziai.front();
  return z.Vidinis == 1 && z.KalbosDalis == dVeiksmazodis && z.Nr >= 1 && z.Nr <= 3;
}

void ThereIs(SGList& grupes, int a) {
  SGrupe& prieveiksmiai = grupes.Grupes[a];
  if (prieveiksmiai.Zodziai.back()->Angl != "there") return;
  // "There is ..." or, asked, "Is there ...?"
  TZodis& there = *prieveiksmiai.Zodziai.back();
  // "Is there a bank?": the "is" became the particle "ar", and "there" says "yra". After any
  // other "be" ("Who's there?") "there" is a place.
  if (a > 0 && Pirmas(grupes.Grupes[a - 1]).Liet == "ar" && Pirmas(grupes.Grupes[a - 1]).Vidinis) {
    there.Liet = "yra";
    return;
  }
  if (!grupes.YraVeiksmGrupe(a + 1) || !ButiesGrupe(grupes.Grupes[a + 1])) return;
  there.Liet.clear();
  SGrupe& veiksm = grupes.Grupes[a + 1];
  if (veiksm.Papildinys >= 0 && veiksm.Zodziai.back()->Teigiamas == 0)
    NustatytiLinksni(grupes.Grupes[veiksm.Papildinys], Kilmininkas);
}

void SomeAny(SGrupe& o) {
  TZodis& pirmas = Pirmas(o);
  if (o.ZodziuSk() < 2 || !Yra(pirmas.Angl, {"some", "any"}) || !Galva(o)) return;
  pirmas.Liet.clear();
  NustatytiLinksni(o, Kilmininkas);
}

// "It is cold", "It rains": Lithuanian has no subject there.
void It(SGList& grupes, int v) {
  SGrupe& veiksm = grupes.Grupes[v];
  if (veiksm.Veiksnys < 0) return;
  SGrupe& s = grupes.Grupes[veiksm.Veiksnys];
  if (s.ZodziuSk() != 1 || Pirmas(s).Angl != "it") return;
  if (Yra(Bazine(Pirmas(veiksm)), {"rain", "snow", "freeze", "hail", "thunder", "drizzle"})) {
    Pirmas(s).Liet.clear();
    return;
  }
  if (!ButiesGrupe(veiksm) || veiksm.ZodziuSk() != 1 || veiksm.Papildinys < 0) return;
  SGrupe& o = grupes.Grupes[veiksm.Papildinys];
  bool budvardis = false;
  for (const TZodis* z : o.Zodziai) {
    if (z->KalbosDalis == dBudvardis) budvardis = true;
    else if (z->KalbosDalis != dPrieveiksmis) return;
  }
  if (!budvardis) return;
  Pirmas(s).Liet.clear();
  for (TZodis* z : o.Zodziai)
    if (z->KalbosDalis == dBudvardis) z->Gimine = BevardeGimine;
  TZodis& yra = Pirmas(veiksm);
  if (yra.Laikas == 2 && yra.Teigiamas == 1 && yra.Nuosaka == 0) yra.Liet.clear();
}

// What a word asks of the words after it in its group.
enum class Valdymas { Nieko, Kilmininkas, KilmininkasDaugiskaita, Vienaskaita };

// A numeral of ten and more, or a number in digits ending in 0 or in 11..19, asks for the
// genitive plural; a number ending in 1 but not 11 for the singular ("21 knyga"); "many",
// "much" and the like for the genitive.
Valdymas KaValdo(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  if (z.KalbosDalis == dSkaitvardis) {
    if (irasas)
      return irasas->Kategorija() == 0 && irasas->Paradigma3() == KlausimasKo
                 ? Valdymas::KilmininkasDaugiskaita
                 : Valdymas::Nieko;
    const int reiksme = SkaitmenuReiksme(z);
    const int paskutiniai = reiksme % 100;
    if (reiksme <= 0) return Valdymas::Nieko;
    if (reiksme % 10 == 0 || (paskutiniai >= 11 && paskutiniai <= 19))
      return Valdymas::KilmininkasDaugiskaita;
    return reiksme % 10 == 1 ? Valdymas::Vienaskaita : Valdymas::Nieko;
  }
  return z.KalbosDalis == dDeterminantas && irasas && irasas->Pozymis() == KlausimasKo
             ? Valdymas::Kilmininkas
             : Valdymas::Nieko;
}

}  // namespace

// "gave the book to John", "writes to her friend": "to" a person is the dative, with no
// preposition; after a verb of going ("went to my mother") it is left alone.
bool Kam(SGList& grupes, int g) {
  TZodis* p = Prielinksnis(grupes, g);
  // "went to my mother", "have been to Paris": a place or a visit, not a receiver.
  const bool ieinant = g >= 2 && grupes.YraVeiksmGrupe(g - 2) &&
                       (JudejimoVeiksmazodis(*grupes.Grupes[g - 2].Zodziai.back()) ||
                        ButiesGrupe(grupes.Grupes[g - 2]));
  if (!p || p->Angl != "to" || ieinant) return false;
  SGrupe& n = grupes.Grupes[g];
  const TZodis& paskutinis = *n.Zodziai.back();
  const ZodynoIrasas* irasas = Irasas(paskutinis);
  const std::uint8_t dalis = paskutinis.KalbosDalis;
  const bool zmogus = dalis == dAsmKitas || dalis == dAsmVardininkas ||
                      (dalis == dDaiktavardis && irasas && irasas->Kategorija() == KategorijaZmogus);
  if (!zmogus) return false;
  Nutildyti(*p);
  NustatytiLinksni(n, Naudininkas);
  n.Funkcija = fNetiesPapild;
  return true;
}

void LaikoAplinkybes(SGList& grupes, const ZodynuRinkinys& zodynai) {
  for (int g = 0; g < grupes.Grupes.Kiekis(); ++g) {
    if (DaiktGrupe(grupes, g)) {
      if (!Kam(grupes, g) && !Valanda(grupes, g, zodynai) && !Metai(grupes, g))
        LaikoFraze(grupes, g);
    } else if (grupes.Grupes[g].Tipas == gtPriel && NeveikiamojiGrupe(grupes, g - 1) &&
               Pirmas(grupes.Grupes[g]).Angl == "by") {
      Pirmas(grupes.Grupes[g]).Linksnis = Kilmininkas;  // "written by Tom": Tomo parašyta
    }
  }
}

// "never", "nobody", "nothing": Lithuanian negates the verb as well ("Niekas nežino", "niekada
// negeria").
bool NeigiamasZodis(const TZodis& z) {
  return Yra(z.Angl, {"never", "nobody", "nothing", "none", "neither", "nowhere", "noone"});
}

void NeigiamiZodziai(SGList& grupes, int v) {
  for (int g : {v - 1, v + 1}) {
    if (g < 0 || g >= grupes.Grupes.Kiekis() || grupes.Grupes[g].ZodziuSk() != 1) continue;
    if (NeigiamasZodis(Pirmas(grupes.Grupes[g]))) grupes.Grupes[v].Zodziai.back()->Teigiamas = 0;
  }
}

void ReikiaIrNe(SGList& grupes) {
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v)
    if (grupes.YraVeiksmGrupe(v)) NeigiamiZodziai(grupes, v);
  int veiksm = -1;  // the last verb group before g
  for (int g = 0; g < grupes.Grupes.Kiekis(); ++g) {
    SGrupe& grupe = grupes.Grupes[g];
    if (grupes.YraVeiksmGrupe(g - 1)) veiksm = g - 1;
    if (grupe.Tipas != gtTarnyb || grupe.ZodziuSk() != 1) continue;
    TZodis& zodis = Pirmas(grupe);
    if (Yra(zodis.Angl, {"need", "needs"})) {
      if (DaiktGrupe(grupes, g - 1) && grupes.Grupes[g - 1].Funkcija == fNeapibrezta) {
        NustatytiLinksni(grupes.Grupes[g - 1], Naudininkas);
        grupes.Grupes[g - 1].Funkcija = fVeiksnys;
      }
      if (DaiktGrupe(grupes, g + 1) && grupes.Grupes[g + 1].Funkcija == fNeapibrezta) {
        NustatytiLinksni(grupes.Grupes[g + 1], Kilmininkas);
        grupes.Grupes[g + 1].Funkcija = fTiesPapild;
      }
    } else if (zodis.Angl == "no" && DaiktGrupe(grupes, g + 1) && veiksm >= 0) {
      grupes.Grupes[veiksm].Zodziai.back()->Teigiamas = 0;
      zodis.Liet.clear();
    }
  }
}

// "That's a good idea", "Is this your bag?": a demonstrative standing for what is spoken of
// before "be" is "tai".
void Tai(SGList& grupes, int g) {
  SGrupe& grupe = grupes.Grupes[g];
  TZodis& z = Pirmas(grupe);
  if (grupe.ZodziuSk() != 1 || !Yra(z.Angl, {"this", "that", "these", "those"})) return;
  const bool poAr = g > 0 && Pirmas(grupes.Grupes[g - 1]).Liet == "ar";
  const bool priesButi = grupes.YraVeiksmGrupe(g + 1) && ButiesGrupe(grupes.Grupes[g + 1]);
  if (!poAr && !priesButi) return;
  z.Liet = "tai";
  z.Irasas = nullptr;
}

void BeasmeniaiSakiniai(SGList& grupes) {
  for (int g = 0; g < grupes.Grupes.Kiekis(); ++g) {
    SGrupe& grupe = grupes.Grupes[g];
    if (grupe.Tipas == gtPriev) ThereIs(grupes, g);
    if (grupe.Tipas == gtDaikt && grupe.Funkcija == fTiesPapild) SomeAny(grupe);
    if (grupe.Tipas == gtDaikt) Tai(grupes, g);
    if (grupes.YraVeiksmGrupe(g)) It(grupes, g);
  }
}

void KiekiaiValdo(SGList& grupes) {
  for (int g = grupes.KitaGrupe(0, gtDaikt); g >= 0; g = grupes.KitaGrupe(g + 1, gtDaikt)) {
    SGrupe& grupe = grupes.Grupes[g];
    const TZodis* galva = Galva(grupe);
    Valdymas valdymas = Valdymas::Nieko;
    for (TZodis* z : grupe.Zodziai) {
      if (z->KalbosDalis == dSkaitvardis || z->KalbosDalis == dDeterminantas) {
        valdymas = KaValdo(*z);
      } else if (valdymas == Valdymas::Vienaskaita) {
        z->Skaicius = 0;
      } else if (valdymas != Valdymas::Nieko) {
        z->Linksnis = Kilmininkas;
        if (valdymas == Valdymas::KilmininkasDaugiskaita) z->Skaicius = 1;
      }
      if (z == galva) break;  // "ten years old": the governed words end at the noun
    }
  }
}

void SavoIvardziai(SGList& grupes) {
  // A verb group without a subject of its own ("can find" after "I") has the one before it.
  std::uint8_t asmuo = 0, gimine = 0;
  for (int v = 0; v < grupes.Grupes.Kiekis(); ++v) {
    if (!grupes.YraVeiksmGrupe(v)) continue;
    const SGrupe& veiksm = grupes.Grupes[v];
    if (veiksm.Veiksnys >= 0)
      VeiksnioAsmuo(grupes.Grupes[veiksm.Veiksnys], asmuo, gimine);
    else if (Liepiamoji(veiksm))
      asmuo = veiksm.Zodziai.front()->Asmuo;
    else if (asmuo == 0)
      continue;
    for (int g = v + 1; g < grupes.Grupes.Kiekis(); ++g) {
      SGrupe& grupe = grupes.Grupes[g];
      if (grupe.Tipas == gtVeiksm || grupe.Tipas == gtSkyrJung) break;
      if (grupe.Tipas != gtDaikt) continue;
      for (std::size_t j = 0; j + 1 < grupe.Zodziai.size(); ++j) {
        std::uint8_t savoAsmuo = 0, savoGimine = 0;
        if (SavybinioAsmuo(*grupe.Zodziai[j], savoAsmuo, savoGimine) &&
            Savas(savoAsmuo, savoGimine, asmuo, gimine))
          PaverstiSavo(*grupe.Zodziai[j]);
      }
    }
  }
}

void KasLinksniuojamas(SGList& grupes) {
  static constexpr std::string_view Formos[] = {"kas", "ko", "kam", "ką"_lt, "kuo", "kame"};
  for (int g = grupes.KitaGrupe(0, gtDaikt); g >= 0; g = grupes.KitaGrupe(g + 1, gtDaikt)) {
    TZodis& z = Pirmas(grupes.Grupes[g]);
    if (grupes.Grupes[g].ZodziuSk() == 1 && z.KalbosDalis == dIvardis && z.Liet == "kas" &&
        z.Linksnis < std::size(Formos))
      z.Liet = Formos[z.Linksnis];
  }
}

void SujungtosGrupes(SGList& grupes) {
  for (int g = 0; g + 2 < grupes.Grupes.Kiekis(); ++g) {
    SGrupe& n = grupes.Grupes[g];
    const SGrupe& jungtukas = grupes.Grupes[g + 1];
    SGrupe& m = grupes.Grupes[g + 2];
    if (n.Tipas != gtDaikt || (n.Funkcija != fTiesPapild && n.Funkcija != fNetiesPapild)) continue;
    if (jungtukas.Tipas != gtSkyrJung || !Yra(Pirmas(jungtukas).Angl, {"and", "or"}))
      continue;
    if (m.Tipas != gtDaikt || m.Funkcija != fNeapibrezta) continue;
    m.Funkcija = n.Funkcija;
    NustatytiLinksni(m, n.Zodziai.back()->Linksnis);
  }
}

}  // namespace kervosta
