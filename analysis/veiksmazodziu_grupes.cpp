#include "analysis/veiksmazodziu_grupes.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "analysis/klausimai.h"
#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;
using Zodziai = std::initializer_list<std::string_view>;

// The verb being examined (w0) and the words before it; a position before the start of the
// sentence matches nothing. Adverbs between are passed over: "will never go", "have already seen"
// are read as "will go", "have seen".
class Vieta {
 public:
  Vieta(TSakinys& sakinys, int i) : s_(sakinys) {
    pozicijos_[0] = i;
    for (std::size_t k = 1; k < pozicijos_.size(); ++k) {
      int j = pozicijos_[k - 1] - 1;
      while (j >= 0 && s_.DalisYra(j, dPrieveiksmis)) --j;
      pozicijos_[k] = j;
    }
  }

  TZodis& Veiksmazodis() { return s_.Zodziai[pozicijos_[0]]; }
  TZodis& Pries(int atgal) { return s_.Zodziai[Pozicija(atgal)]; }

  // The word `atgal` positions before w0 is one of `zodziai`.
  bool Yra(int atgal, Zodziai zodziai) const {
    for (std::string_view z : zodziai)
      if (s_.ZodisYra(Pozicija(atgal), z)) return true;
    return false;
  }
  // One of `zodziai` at `atgal` positions before w0, directly followed by "not".
  bool SuNe(int atgal, Zodziai zodziai) const { return Yra(atgal, zodziai) && Yra(atgal - 1, {"not"}); }
  bool AsmeninisIvardis(int atgal) const { return s_.AsmeninisIvardis(Pozicija(atgal)); }

  void Sugerti(int atgal) { s_.Sugerti(Pozicija(atgal)); }
  void PaverstiButi(int atgal) { s_.PaverstiButi(Pozicija(atgal)); }

 private:
  int Pozicija(int atgal) const {
    return atgal >= 0 && atgal < static_cast<int>(pozicijos_.size()) && pozicijos_[atgal] >= 0
               ? pozicijos_[atgal]
               : -1;
  }

  TSakinys& s_;
  std::array<int, 5> pozicijos_{};
};

// "would go", "would not go": the conditional, carried by the future tense code.
void Tariamasis(TZodis& z) {
  z.Laikas = zlkBusimasis;
  z.Nuosaka = nTariamoji;
}

// Modals that stay as verbs of their own (galėti, turėti) with the infinitive after them.
const Zodziai Modaliniai = {"can", "could", "must", "should", "might", "may"};

// A past participle read as an active past tense form.
void ButasisVeikiamasis(TZodis& z) {
  z.Laikas = zlkButasisKartinis;
  z.AnglForma = afButoji;
  z.Veikiamoji = 1;
}

// A past participle kept as a passive participle.
void Neveikiamasis(TZodis& z) {
  z.Laikas = zlkButasisKartinis;
  z.AnglForma = afDalyvis;
  z.Veikiamoji = 0;
}

// Absorbs the auxiliary of "X, not" (two before) or of its contraction (one before).
void SugertiPagalbini(Vieta& v, Zodziai pagalbiniai) { v.Sugerti(v.Yra(2, pagalbiniai) ? 2 : 1); }

// A modal contraction ("won't", "wouldn't" ...) has no Lithuanian text of its own: once its
// future and negation are on the verb it is absorbed, or its English would show in the output.
void SugertiModaliniSutrumpinima(Vieta& v, int atgal) {
  if (v.Yra(atgal, {"shan't", "won't", "shouldn't", "wouldn't"})) v.Sugerti(atgal);
}

void BazineForma(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  const auto neigiama = [&](Zodziai suNe, Zodziai sutrumpinti) {
    return v.SuNe(2, suNe) || v.Yra(1, sutrumpinti);
  };
  if (v.Yra(1, {"let's"})) {
    // "let's go": a command to "us" ("eikime"); "let's" itself says nothing.
    w0.Laikas = zlkEsamasis;
    w0.Nuosaka = nLiepiamoji;
    w0.Asmuo = 4;
  } else if (v.AsmeninisIvardis(1)) {
    // "Did you see?", "Will you go?": the auxiliary in front of the pronoun gives the tense.
    w0.Laikas = v.Yra(2, {"did"})             ? zlkButasisKartinis
                : v.Yra(2, {"shall", "will"}) ? zlkBusimasis
                                              : zlkEsamasis;
  } else if (v.Yra(1, {"would"})) {
    Tariamasis(w0);
  } else if (neigiama({"would"}, {"wouldn't"})) {
    SugertiModaliniSutrumpinima(v, 1);
    Tariamasis(w0);
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"does", "do"})) {
    v.Sugerti(1);
    w0.Laikas = zlkEsamasis;
  } else if (neigiama({"does", "do"}, {"doesn't", "don't"})) {
    SugertiPagalbini(v, {"does", "do"});
    w0.Laikas = zlkEsamasis;
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"did"})) {
    v.Sugerti(1);
    w0.Laikas = zlkButasisKartinis;
  } else if (neigiama({"did"}, {"didn't"})) {
    SugertiPagalbini(v, {"did"});
    w0.Laikas = zlkButasisKartinis;
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"to"})) {
    // "to" stays in place but says nothing in Lithuanian: the infinitive carries it.
    v.Pries(1).Liet.clear();
    v.Pries(1).KalbosDalis = dNezinoma;
    w0.Laikas = zlkBendratis;
  } else if (v.Yra(1, {"shall", "will"})) {
    w0.Laikas = zlkBusimasis;
  } else if (neigiama({"shall", "will"}, {"shan't", "won't"})) {
    SugertiModaliniSutrumpinima(v, 1);
    w0.Laikas = zlkBusimasis;
    w0.Teigiamas = 0;
  } else if (v.Yra(1, Modaliniai) || v.SuNe(2, Modaliniai)) {
    // The modal stays and is conjugated; the verb after it is its infinitive ("galiu eiti", not
    // "galiu einu"; "turėtum eiti").
    w0.Laikas = zlkBendratis;
  } else {
    w0.Laikas = zlkEsamasis;
  }
}

// "have done": after "will" the auxiliary becomes "būti" in the future; after "should" or
// "would" nothing changes; otherwise it is a past tense.
void PoHave(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  const bool busimasis = v.Yra(2, {"shall", "will"});
  const bool busimasisNe = v.SuNe(3, {"shall", "will"}) || v.Yra(2, {"shan't", "won't"});
  if (busimasis || busimasisNe) {
    SugertiModaliniSutrumpinima(v, 2);
    v.PaverstiButi(1);
    v.Pries(1).Laikas = zlkBusimasis;
    v.Pries(1).Veikiamoji = 1;
    w0.Laikas = zlkButasisKartinis;
    w0.Veikiamoji = 1;
    if (busimasisNe) w0.Teigiamas = 0;
    return;
  }
  if (v.Yra(2, {"should", "would", "shouldn't", "wouldn't"}) || v.SuNe(3, {"should", "would"}))
    return;
  // "I have seen" is a past like "he has seen": a "have" left in place came out as a second
  // verb ("turiu mačiau").
  v.Sugerti(1);
  ButasisVeikiamasis(w0);
}

void PoBeen(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  if (v.Yra(2, {"have"})) {
    v.Sugerti(2);
    v.Sugerti(1);
    ButasisVeikiamasis(w0);
    w0.Teigiamas = 1;
  } else if (v.SuNe(3, {"have"})) {
    // "been" goes too, as in "have been" and "haven't been": kept, it read as a second past.
    v.Sugerti(3);
    v.Sugerti(2);
    v.Sugerti(1);
    ButasisVeikiamasis(w0);
    w0.Teigiamas = 0;
  } else if (v.Yra(2, {"haven't"})) {
    v.Sugerti(2);
    v.Sugerti(1);
    ButasisVeikiamasis(w0);
    w0.Teigiamas = 0;
  }
}

// "be done" after a modal or "to": a passive participle, the "be" carrying the future and any
// negation ("nebus matyta"; negating the participle as well said "not" twice).
void PoBe(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  const bool neigiama = v.SuNe(3, {"would"}) || v.Yra(2, {"wouldn't"}) ||
                        v.SuNe(3, {"shall", "will"}) || v.Yra(2, {"shan't", "won't"});
  const bool teigiama = v.Yra(2, {"would", "shall", "will"});
  if (teigiama || neigiama) {
    v.Sugerti(2);
    TZodis& be = v.Pries(1);
    be.Laikas = zlkBusimasis;
    be.Asmuo = 3;
    be.Veikiamoji = 1;
    if (neigiama) be.Teigiamas = 0;
    Neveikiamasis(w0);
  } else if (v.Yra(2, {"to"}) || v.Yra(2, Modaliniai) || v.SuNe(3, Modaliniai)) {
    // "to be seen", "can be seen": the "be" is an infinitive ("gali būti matyta").
    Neveikiamasis(w0);
  }
}

void Dalyvis(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  // "have got", "'s got": to have, said by the "have" alone ("Mes turime problemą").
  if (w0.Angl == "got" && v.Yra(1, {"have", "has"})) {
    v.Sugerti(0);
    return;
  }
  if (v.Yra(1, {"have"})) {
    PoHave(v);
  } else if (v.Yra(1, {"been"})) {
    PoBeen(v);
  } else if (v.Yra(1, {"being"})) {
    return;
  } else if (v.Yra(1, {"be"})) {
    PoBe(v);
  } else if (v.Yra(1, {"am", "is", "are", "was", "were"})) {
    // The form of "be" stays and is translated: "yra matyta", "buvo matyta".
    Neveikiamasis(w0);
  } else if (v.SuNe(2, {"am", "are", "is", "was", "were"})) {
    // The negation belongs to the "be" that stays ("nėra matyta"), not to the participle too.
    v.Pries(2).Teigiamas = 0;
    Neveikiamasis(w0);
  } else if (v.Yra(1, {"isn't", "aren't"})) {
    Neveikiamasis(w0);
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"has"})) {
    v.Sugerti(1);
    ButasisVeikiamasis(w0);
  } else if (v.SuNe(2, {"has", "have", "had"}) || v.Yra(1, {"hasn't", "haven't", "hadn't"})) {
    SugertiPagalbini(v, {"has", "have", "had"});
    ButasisVeikiamasis(w0);
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"had"})) {
    v.Sugerti(1);
    ButasisVeikiamasis(w0);
  } else {
    ButasisVeikiamasis(w0);
  }
}

// "be going" after "will" or "would": the future, carried by the verb alone; after a modal that
// stays ("should be going"), the infinitive. The "be" goes every time: left in place it came out
// as a second verb ("būsiu eisiu").
void IngPoBe(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  if (v.Yra(2, Modaliniai) || v.SuNe(3, Modaliniai)) {
    v.Sugerti(1);
    w0.Laikas = zlkBendratis;
    return;
  }
  const Zodziai modaliniai = {"would", "shall", "will"};
  const bool neigiama =
      v.SuNe(3, modaliniai) || v.Yra(2, {"shouldn't", "wouldn't", "shan't", "won't"});
  if (!neigiama && !v.Yra(2, modaliniai)) return;
  if (neigiama)
    v.Sugerti(v.Yra(3, modaliniai) ? 3 : 2);
  else if (v.Yra(2, {"shall", "will"}))
    v.Sugerti(2);
  v.Sugerti(1);
  w0.Laikas = zlkBusimasis;
  if (neigiama) w0.Teigiamas = 0;
}

void IngForma(Vieta& v) {
  TZodis& w0 = v.Veiksmazodis();
  if (v.Yra(1, {"been"})) {
    // "have been waiting": still going on, the present; "had been waiting" the past.
    if (!v.Yra(2, {"have", "has", "had"})) return;
    w0.Laikas = v.Yra(2, {"had"}) ? zlkButasisKartinis : zlkEsamasis;
    v.Sugerti(2);
    v.Sugerti(1);
    return;
  }
  if (v.Yra(1, {"be"})) {
    IngPoBe(v);
  } else if (v.Yra(1, {"am", "is", "are"})) {
    v.Sugerti(1);
    w0.Laikas = zlkEsamasis;
  } else if (v.SuNe(2, {"am", "is", "are"}) || v.Yra(1, {"isn't", "aren't"})) {
    SugertiPagalbini(v, {"am", "is", "are"});
    w0.Laikas = zlkEsamasis;
    w0.Teigiamas = 0;
  } else if (v.Yra(1, {"was", "were"})) {
    v.Sugerti(1);
    w0.Laikas = zlkButasisKartinis;
  } else if (v.SuNe(2, {"was", "were"}) || v.Yra(1, {"wasn't", "weren't"})) {
    SugertiPagalbini(v, {"was", "were"});
    w0.Laikas = zlkButasisKartinis;
    w0.Teigiamas = 0;
  }
}

void AnalizuotiVeiksmazodi(TSakinys& sakinys, int i) {
  Vieta v(sakinys, i);
  if (sakinys.ZodisYra(i, "not") && sakinys.VeiksmazodinisZodis(i - 1))
    sakinys.Zodziai[i - 1].Teigiamas = 0;
  if (!sakinys.DalisYra(i, dVeiksmazodis)) return;
  // "must", "should", "might", "may" come from the lookup with their own tense and mood.
  for (std::string_view modalinis : {"must", "should", "might", "may"})
    if (sakinys.ZodisYra(i, modalinis)) return;
  switch (sakinys.Zodziai[i].AnglForma) {
    case afBazine: BazineForma(v); break;
    case afButoji: sakinys.Zodziai[i].Laikas = zlkButasisKartinis; break;
    case afDalyvis: Dalyvis(v); break;
    case afIng: IngForma(v); break;
    default: break;
  }
}

// "Don't go.", "Do not go.", "Let's go.": the absorbed "do", the silent "not" and "let's" say
// nothing, so the command starts at the verb after them.
bool Nebyli(const SGrupe& grupe) {
  for (const TZodis* z : grupe.Zodziai) {
    const bool nebylus =
        z->Angl == "do" || z->Angl == "don't" || z->Angl == "not" || z->Angl == "let's";
    if (!nebylus || !z->Liet.empty()) return false;
  }
  return true;
}

bool Klausimas(const SGList& grupes) {
  for (int g = grupes.Grupes.Kiekis() - 1; g >= 0; --g)
    for (const TZodis* z : grupes.Grupes[g].Zodziai)
      if (z->KalbosDalis == dSkyriklis && z->Angl == "?") return true;
  return false;
}

// "Please sit down.", '"Come in," she said.': the command starts after "please" and an opening
// quotation mark.
bool Prasymas(const SGrupe& grupe) {
  const std::string& angl = grupe.Zodziai.front()->Angl;
  return grupe.ZodziuSk() == 1 && (angl == "please" || angl == "\"");
}

int PirmaTarianti(const SGList& grupes) {
  int g = 0;
  while (g < grupes.Grupes.Kiekis() && (Nebyli(grupes.Grupes[g]) || Prasymas(grupes.Grupes[g])))
    ++g;
  return g;
}

}  // namespace

void AnalizuotiVeiksmazodzius(TSakinys& sakinys) {
  ApverstiKlausima(sakinys);
  for (int i = sakinys.KitasVeiksmazodinis(0); i >= 0; i = sakinys.KitasVeiksmazodinis(i + 1))
    AnalizuotiVeiksmazodi(sakinys, i);
}

void ApdorotiPradiniVeiksmazodi(SGList& grupes, std::uint8_t antrasisAsmuo) {
  const int g = PirmaTarianti(grupes);
  if (!grupes.YraVeiksmGrupe(g) || grupes.GrupesZodziuSk(g) != 1) return;
  TZodis& zodis = *grupes.Grupes[g].Zodziai[0];
  // "Is he at home?" asks; "Be careful!" and "Don't be late." command.
  if (zodis.Vidinis == 1 && Klausimas(grupes) && zodis.Angl != "be") {
    zodis.Liet = "ar"_lt;
    zodis.KalbosDalis = dNezinoma;
  }
  if (zodis.Nuosaka == nLiepiamoji) return;  // "let's" gave the command its person
  zodis.Nuosaka = nLiepiamoji;
  zodis.Asmuo = antrasisAsmuo;
}

}  // namespace kervosta
