#include "analysis/kandidatu_parinkimas.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "analysis/segment_sutrumpinimai.h"
#include "analysis/zodziu_aibe.h"

namespace kervosta {

namespace {


constexpr std::int32_t SavybinisIvardis = 2;  // the pronoun kind of "my", "its"

const ZodynoIrasas* Irasas(const TZodis& z) { return z.Irasas ? &z.Irasas->Duomenys : nullptr; }

// Words after which English has a verb: modals, "do", the marks of "'d" and "let's".
constexpr ZodziuAibe ReikalaujantysVeiksmazodzio(
    std::to_array<std::string_view>({"will", "shall", "would", "should", "can", "could", "may",
                                     "might", "must", "do", "does", "did", "let's", "'d"}));

bool ReikalaujaVeiksmazodzio(const TZodis& z) { return ReikalaujantysVeiksmazodzio.Turi(z.Angl); }

// The mark of "'s" right after a noun: the noun owns what follows ("Tom's car").
bool SavybineZyme(const TSakinys& s, int i) {
  return s.ZodisYra(i, ZymeS) && s.DalisYra(i - 1, dDaiktavardis);
}

constexpr ZodziuAibe ButiesFormos(std::to_array<std::string_view>({"am", "is", "are", "was", "were",
                                                                   "be", "been", "being"}));

bool ButiesForma(const TZodis& z) {
  return (z.Vidinis == 1 && z.KalbosDalis == dVeiksmazodis && z.Nr >= 1 && z.Nr <= 3) ||
         ButiesFormos.Turi(z.Angl);
}

constexpr ZodziuAibe TurejimoFormos(std::to_array<std::string_view>({"have", "has", "had",
                                                                     "having"}));

bool TurejimoForma(const TZodis& z) { return TurejimoFormos.Turi(z.Angl); }

// Adverbs of degree come before an adjective or another adverb.
constexpr ZodziuAibe LaipsnioPrieveiksmiai(std::to_array<std::string_view>(
    {"very", "too", "so", "quite", "really", "rather", "pretty", "extremely", "how", "more", "most",
     "less", "least", "fairly", "absolutely", "completely"}));

bool Laipsnio(const TZodis& z) { return LaipsnioPrieveiksmiai.Turi(z.Angl); }

// A word that a noun or adjective follows in a noun phrase: an article, a possessive or
// demonstrative, a numeral, an owner in the genitive. An adjective (`budvardis`) only where it
// stands before its noun, not as the predicate of "it is cold today".
bool PriesDaiktavardi(const TZodis& z, bool budvardis = false) {
  switch (z.KalbosDalis) {
    case dDeterminantas:
    case dSkaitvardis: return true;
    case dBudvardis: return budvardis;
    case dAsmKitas: return z.Linksnis == zlKilmininkas || z.Angl == "her";
    case dIvardis: {
      // "this", "each", "which" (declinable) and "my", "its" (possessive); "who" stands alone.
      const ZodynoIrasas* irasas = Irasas(z);
      return irasas && z.Angl != "who" &&
             (irasas->Paradigma3() != 0 || irasas->Pozymis() == SavybinisIvardis);
    }
    case dDaiktavardis: return z.Linksnis == zlKilmininkas;
    default: return false;
  }
}

// Adverbs and "not" stand between an auxiliary and its verb: "will never go", "did not see".
bool Praleidziamas(const TSakinys& s, int i) {
  return s.DalisYra(i, dPrieveiksmis) || s.ZodisYra(i, "not");
}

// An auxiliary before the word still waits for its verb: "does this ticket cost", "will you
// never learn", "did not see". Only a noun phrase, adverbs and "not" may stand between.
bool LaukiaVeiksmazodzio(const TSakinys& s, int i) {
  for (int j = i - 1; j >= 0 && j >= i - 6; --j) {
    const TZodis& z = s.Zodziai[j];
    if (ReikalaujaVeiksmazodzio(z)) return true;
    if (z.Angl == "not" || z.KalbosDalis == dPrieveiksmis || PriesDaiktavardi(z) ||
        z.KalbosDalis == dDaiktavardis || z.KalbosDalis == dIvardis ||
        z.KalbosDalis == dAsmVardininkas)
      continue;
    return false;
  }
  return false;
}

// "to" is the mark of an infinitive unless a verb of motion goes to a place with it.
bool BendratiesTo(const TSakinys& s, int to) {
  return s.ZodisYra(to, "to") && !(to > 0 && JudejimoVeiksmazodis(s.Zodziai[to - 1]));
}

// A base-form verb that the words before it call for.
bool LaukiamaBazine(PaieskosEiga& eiga, int i) {
  const int j = eiga.AnkstesnisBePrieveiksmiu(i);
  return (j >= 0 && BendratiesTo(eiga.Sakinys(), j)) || LaukiaVeiksmazodzio(eiga.Sakinys(), i);
}

// A form of "have" or "be" before the word, adverbs, "not" and an inverted subject aside.
bool LaukiamasDalyvis(const TSakinys& s, int i) {
  for (int j = i - 1; j >= 0 && j >= i - 4; --j) {
    const TZodis& z = s.Zodziai[j];
    if (TurejimoForma(z) || ButiesForma(z) || z.Angl == ZymeS) return true;
    if (z.Angl != "not" && z.KalbosDalis != dPrieveiksmis && z.KalbosDalis != dAsmVardininkas)
      return false;
  }
  return false;
}

// One choice of the context: a part of speech and, for verbs, the English forms allowed.
struct Pageidavimas {
  std::uint8_t Dalis;
  std::uint32_t Formos = ~0u;  // bits of `AnglForma`
};

constexpr std::uint32_t FormuBitai(std::initializer_list<std::uint8_t> formos) {
  std::uint32_t b = 0;
  for (std::uint8_t f : formos) b |= 1u << f;
  return b;
}

// The choices in order of preference; never more than four, kept off the heap since every word
// with candidates asks for them.
class Pageidavimai {
 public:
  Pageidavimai() = default;
  Pageidavimai(std::initializer_list<Pageidavimas> pageidavimai) {
    for (const Pageidavimas& p : pageidavimai) Prideti(p);
  }
  void Prideti(const Pageidavimas& p) {
    if (kiekis_ < eile_.size()) eile_[kiekis_++] = p;
  }
  const Pageidavimas* begin() const { return eile_.data(); }
  const Pageidavimas* end() const { return eile_.data() + kiekis_; }

 private:
  std::array<Pageidavimas, 4> eile_{};
  std::size_t kiekis_ = 0;
};

// The word matches the form of its entry that only the third person singular has ("leaves").
bool TreciasisAsmuo(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  return irasas && z.AnglForma == afBazine &&
         irasas->Vaizdas(TekstoLaukas::Angl2) == z.Angl &&
         irasas->Vaizdas(TekstoLaukas::Angl1) != z.Angl;
}

bool TikBazine(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  return irasas && z.AnglForma == afBazine && irasas->Vaizdas(TekstoLaukas::Angl1) == z.Angl;
}

const TZodis* Paskutinis(const TZodziuList& kandidatai, std::uint8_t dalis, std::uint32_t formos) {
  for (int i = kandidatai.Kiekis() - 1; i >= 0; --i) {
    const TZodis& z = kandidatai[i];
    if (z.KalbosDalis != dalis) continue;
    if (dalis == dVeiksmazodis && !(formos & (1u << z.AnglForma))) continue;
    return &z;
  }
  return nullptr;
}

// After a noun that may be the subject a verb agrees with it: "the mother drinks", "leaves
// fall", "the bus stopped"; "the car park" and "the leaves drinks" stay nouns.
bool SutinkaSuVeiksniu(const TZodis& daiktavardis, const TZodziuList& kandidatai) {
  for (int i = 0; i < kandidatai.Kiekis(); ++i) {
    const TZodis& z = kandidatai[i];
    if (z.KalbosDalis != dVeiksmazodis) continue;
    if (z.AnglForma == afButoji) return true;
    if (daiktavardis.Skaicius == zskVienaskaita ? TreciasisAsmuo(z) : TikBazine(z)) return true;
  }
  return false;
}

constexpr std::uint32_t Veiksmazodinis =
    DaliesBitas(dVeiksmazodis) | DaliesBitas(dPagalbinis) | DaliesBitas(dAsmVardininkas);

constexpr std::uint32_t FrazesPradzia =
    DaliesBitas(dDeterminantas) | DaliesBitas(dAsmKitas) | DaliesBitas(dSkaitvardis) |
    DaliesBitas(dDaiktavardis) | DaliesBitas(dIvardis);

bool TuriDali(const TZodziuList& kandidatai, std::uint8_t dalis) {
  for (int i = 0; i < kandidatai.Kiekis(); ++i)
    if (kandidatai[i].KalbosDalis == dalis) return true;
  return false;
}

Pageidavimai DaiktavardzioVieta(const ParinkimoKontekstas& k) {
  // "the second film": before a noun an adjective or an ordinal, not a noun ("sekundė").
  if (k.KitoDalys & DaliesBitas(dDaiktavardis))
    return {{dBudvardis}, {dSkaitvardis}, {dDaiktavardis}};
  return {{dDaiktavardis}, {dBudvardis}, {dSkaitvardis}};
}

Pageidavimai SakinioPradziojePageidavimai(const ParinkimoKontekstas& k,
                                          const TZodziuList& kandidatai) {
  // "When does it open?": a question starts with the question adverb, not the conjunction.
  if (k.Eiga.Klausimas() && TuriDali(kandidatai, dJungtukas)) return {{dPrieveiksmis}};
  // A command starts with the base form; "Leaves fall", "Work is hard" start with a noun. A word
  // that cannot be a verb is left to the last candidate ("Yesterday we ate").
  if (!TuriDali(kandidatai, dVeiksmazodis)) return {};
  if ((k.KitoDalys & Veiksmazodinis) == 0)
    for (int i = 0; i < kandidatai.Kiekis(); ++i)
      if (TikBazine(kandidatai[i])) return {{dVeiksmazodis, FormuBitai({afBazine})}};
  Pageidavimai p = DaiktavardzioVieta(k);
  p.Prideti({dIvardis});
  return p;
}

Pageidavimai Pageidauti(const ParinkimoKontekstas& k, const TZodziuList& kandidatai) {
  const TSakinys& s = k.Eiga.Sakinys();
  const int i = k.Indeksas;
  if (k.Eiga.SakinioPradzia(i)) return SakinioPradziojePageidavimai(k, kandidatai);
  const TZodis& ankstesnis = s.Zodziai[i - 1];
  const bool prielinksnis = ankstesnis.KalbosDalis == dPrielinksnis && ankstesnis.Angl != "to";
  if (PriesDaiktavardi(ankstesnis, k.Eiga.PriesDaiktavardiBudvardis(i - 1)) || prielinksnis ||
      SavybineZyme(s, i - 1))
    return DaiktavardzioVieta(k);
  if (Laipsnio(ankstesnis)) return {{dBudvardis}, {dPrieveiksmis}};
  const int j = k.Eiga.AnkstesnisBePrieveiksmiu(i);
  if (LaukiamaBazine(k.Eiga, i)) return {{dVeiksmazodis}};
  // "I think that you know": a conjunction before a subject.
  if (s.DalisYra(j, dVeiksmazodis) && (k.KitoDalys & DaliesBitas(dAsmVardininkas)) != 0 &&
      TuriDali(kandidatai, dJungtukas))
    return {{dJungtukas}};
  if (s.ZodisYra(j, "to")) return DaiktavardzioVieta(k);
  if (s.DalisYra(j, dAsmVardininkas)) return {{dVeiksmazodis}};
  // "near the station", "over the fence": a preposition before a noun phrase.
  if ((k.KitoDalys & FrazesPradzia) != 0 && TuriDali(kandidatai, dPrielinksnis))
    return {{dPrielinksnis}};
  if (j >= 0 && (ButiesForma(s.Zodziai[j]) || s.ZodisYra(j, ZymeS)))
    return {{dVeiksmazodis, FormuBitai({afDalyvis, afIng})},
            {dBudvardis}, {dPrieveiksmis}, {dDaiktavardis}};
  if (s.DalisYra(j, dDaiktavardis) && SutinkaSuVeiksniu(s.Zodziai[j], kandidatai))
    return {{dVeiksmazodis}};
  const bool kitasDaiktavardis = k.KitoDalys & DaliesBitas(dDaiktavardis);
  if (s.DalisYra(j, dVeiksmazodis)) {
    // "bought some bread", "have little time" / "swim well", "like fish".
    if (kitasDaiktavardis)
      return {{dDeterminantas}, {dBudvardis}, {dDaiktavardis}, {dIvardis}};
    return {{dPrieveiksmis}, {dDaiktavardis}, {dIvardis}, {dBudvardis}};
  }
  if (kitasDaiktavardis) return {{dBudvardis}, {dDeterminantas}};
  return {};
}

bool LaikoReiksme(const TZodis& z) {
  const ZodynoIrasas* irasas = Irasas(z);
  return z.KalbosDalis == dBudvardis && irasas && irasas->Kategorija() == KategorijaLaikas;
}

// Among the candidates of the chosen part of speech, the sense marked for time phrases before a
// noun of time ("last week": praeitą savaitę), and an unmarked one elsewhere ("the last bus").
const TZodis& PazymetaReiksme(const TZodziuList& kandidatai, const TZodis& parinktas,
                              bool priesLaika) {
  if (parinktas.KalbosDalis != dBudvardis || LaikoReiksme(parinktas) == priesLaika)
    return parinktas;
  for (int i = kandidatai.Kiekis() - 1; i >= 0; --i)
    if (kandidatai[i].KalbosDalis == dBudvardis && LaikoReiksme(kandidatai[i]) == priesLaika)
      return kandidatai[i];
  return parinktas;
}

// Among the forms of the chosen verb's entry, the one the auxiliaries before it call for.
const TZodis& VeiksmazodzioForma(const TZodziuList& kandidatai, const TZodis& parinktas,
                                 PaieskosEiga& eiga, int i) {
  if (parinktas.KalbosDalis != dVeiksmazodis) return parinktas;
  const auto formaIsTo = [&](auto tinka) -> const TZodis* {
    for (int c = kandidatai.Kiekis() - 1; c >= 0; --c)
      if (kandidatai[c].Irasas == parinktas.Irasas && tinka(kandidatai[c])) return &kandidatai[c];
    return nullptr;
  };
  // "will read", "can put", "to cut": the base form, never the past written alike.
  if (LaukiamaBazine(eiga, i))
    if (const TZodis* z = formaIsTo(TikBazine)) return *z;
  const bool dalyvis = LaukiamasDalyvis(eiga.Sakinys(), i);
  if (dalyvis)
    if (const TZodis* z = formaIsTo([](const TZodis& c) { return c.AnglForma == afDalyvis; }))
      return *z;
  // A past participle with no "have" or "be" before it cannot be the verb ("I come", "they
  // put"): the entry's latest other form is taken instead.
  if (parinktas.AnglForma == afDalyvis && !dalyvis)
    if (const TZodis* z = formaIsTo([](const TZodis& c) { return c.AnglForma != afDalyvis; }))
      return *z;
  return parinktas;
}

}  // namespace

bool JudejimoVeiksmazodis(const TZodis& z) {
  static constexpr ZodziuAibe KryptiesZodziai(std::to_array<std::string_view>({"back", "way"}));
  static constexpr ZodziuAibe JudejimoVeiksmazodziai(
      std::to_array<std::string_view>({"go", "come", "walk", "run", "drive", "ride", "return",
                                       "travel", "move", "fly", "hurry", "get", "cycle", "swim"}));
  if (KryptiesZodziai.Turi(z.Angl)) return true;
  const ZodynoIrasas* irasas = Irasas(z);
  return irasas && z.KalbosDalis == dVeiksmazodis &&
         JudejimoVeiksmazodziai.Turi(irasas->Vaizdas(TekstoLaukas::Angl1));
}

PaieskosEiga::PaieskosEiga(const TSakinys& sakinys)
    : s_(sakinys),
      atidarantis_(static_cast<std::size_t>(sakinys.Kiekis())),
      ankstesnis_(static_cast<std::size_t>(sakinys.Kiekis()), Nezinoma),
      budvardis_(static_cast<std::size_t>(sakinys.Kiekis()), Nezinoma) {
  bool atvira = false;
  for (int i = 0; i < s_.Kiekis(); ++i) {
    const TZodis& z = s_.Zodziai[i];
    if (z.Angl == "\"") atvira = !atvira;
    atidarantis_[static_cast<std::size_t>(i)] = atvira;
    if (z.KalbosDalis == dSkyriklis && z.Angl == "?") klausimas_ = true;
  }
}

bool PaieskosEiga::SakinioPradzia(int i) const {
  if (i <= 0) return true;
  const TZodis& z = s_.Zodziai[i - 1];
  if (z.KalbosDalis != dSkyriklis) return false;
  if (z.Angl == "\"") return atidarantis_[static_cast<std::size_t>(i - 1)];
  return z.Angl == "(" || z.Angl == "[" || z.Angl == ":" || z.Angl == "." || z.Angl == "!" ||
         z.Angl == "?" || z.Angl == "-";
}

// The word before `i` is passed over, so the answer is the one for that word, already known
// or found by going back to a word that ends the walk.
int PaieskosEiga::AnkstesnisBePrieveiksmiu(int i) {
  int& atsakymas = ankstesnis_[static_cast<std::size_t>(i)];
  if (atsakymas != Nezinoma) return atsakymas;
  int j = i - 1;
  while (j >= 0 && Praleidziamas(s_, j) && ankstesnis_[static_cast<std::size_t>(j)] == Nezinoma)
    --j;
  atsakymas = j >= 0 && Praleidziamas(s_, j) ? ankstesnis_[static_cast<std::size_t>(j)] : j;
  return atsakymas;
}

// An adjective after another such adjective takes that one's answer: the chain of adjectives is
// walked back to the first that decides, and never again.
bool PaieskosEiga::PriesDaiktavardiBudvardis(int i) {
  int j = i;
  int atsakymas = Nezinoma;
  for (; atsakymas == Nezinoma; --j) {
    const std::int8_t zinoma = budvardis_[static_cast<std::size_t>(j)];
    if (zinoma != Nezinoma) {
      atsakymas = zinoma;
    } else if (!s_.DalisYra(j, dBudvardis)) {
      atsakymas = 0;
    } else if (SakinioPradzia(j) || PriesDaiktavardi(s_.Zodziai[j - 1]) ||
               s_.Zodziai[j - 1].KalbosDalis == dPrielinksnis) {
      atsakymas = 1;
    }
  }
  budvardis_[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(atsakymas);
  return atsakymas == 1;
}

const TZodis& ParinktiKandidata(const TZodziuList& kandidatai, const ParinkimoKontekstas& k) {
  const TZodis* parinktas = &kandidatai[kandidatai.Kiekis() - 1];
  if (k.PagalKonteksta) {
    for (const Pageidavimas& p : Pageidauti(k, kandidatai)) {
      if (const TZodis* z = Paskutinis(kandidatai, p.Dalis, p.Formos)) {
        parinktas = z;
        break;
      }
    }
    parinktas = &PazymetaReiksme(kandidatai, *parinktas, k.KitasLaikas);
  }
  return VeiksmazodzioForma(kandidatai, *parinktas, k.Eiga, k.Indeksas);
}

}  // namespace kervosta
