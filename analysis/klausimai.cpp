#include "analysis/klausimai.h"

#include <initializer_list>
#include <string_view>


namespace kervosta {

namespace {

using Zodziai = std::initializer_list<std::string_view>;

bool Yra(const TSakinys& s, int i, Zodziai zodziai) {
  for (std::string_view z : zodziai)
    if (s.ZodisYra(i, z)) return true;
  return false;
}

const Zodziai KlausiamiejiZodziai = {"what", "who", "whom", "whose", "which", "where", "when",
                                     "why", "how"};
const Zodziai ButiesFormos = {"am", "is", "are", "was", "were"};
const Zodziai Pagalbiniai = {"do", "does", "did", "will", "shall", "would", "can", "could",
                             "may", "might", "must", "should", "have", "has", "had", "am", "is",
                             "are", "was", "were"};

bool BaigiasiKlaustuku(const TSakinys& s) {
  for (int i = s.Kiekis() - 1; i >= 0; --i)
    if (s.DalisYra(i, dSkyriklis) && s.Zodziai[i].Angl == "?") return true;
  return false;
}

// Words of a question word's phrase: "how many children", "what time", "which book".
bool KlausimoFrazesZodis(const TSakinys& s, int i) {
  const std::uint8_t d = s.Zodziai[i].KalbosDalis;
  return d == dDaiktavardis || d == dBudvardis || d == dDeterminantas || d == dPrieveiksmis ||
         d == dIvardis || d == dSkaitvardis;
}

// The index of the auxiliary that opens the inverted part, after the question word's phrase if
// there is one; -1 when the sentence has no such start.
int PagalbinioVieta(const TSakinys& s, bool& klausiamasis) {
  klausiamasis = Yra(s, 0, KlausiamiejiZodziai);
  int i = 0;
  if (klausiamasis)
    for (i = 1; s.Yra(i) && !Yra(s, i, Pagalbiniai) && KlausimoFrazesZodis(s, i);) ++i;
  return Yra(s, i, Pagalbiniai) ? i : -1;
}

bool VeiksnioZodis(const TSakinys& s, int i) {
  const std::uint8_t d = s.Zodziai[i].KalbosDalis;
  return d == dDaiktavardis || d == dBudvardis || d == dDeterminantas || d == dIvardis ||
         d == dSkaitvardis || d == dAsmKitas;
}

// The end (one past) of the subject that starts at `i`: one personal pronoun, or a noun phrase
// ending in a noun or pronoun. `i` itself when there is none.
int VeiksnioGalas(const TSakinys& s, int i) {
  if (s.AsmeninisIvardis(i)) return i + 1;
  int galas = i;
  while (s.Yra(galas) && VeiksnioZodis(s, galas)) ++galas;
  const bool baigiasiDaiktu = galas > i && (s.DalisYra(galas - 1, dDaiktavardis) ||
                                            s.DalisYra(galas - 1, dIvardis));
  return baigiasiDaiktu ? galas : i;
}

// The verb that the auxiliary calls for: a form of "be" an -ing form or a past participle,
// "have" a past participle, the others the base form.
bool TinkamasVeiksmazodis(const TSakinys& s, int pagalbinis, int i) {
  if (!s.DalisYra(i, dVeiksmazodis)) return false;
  const std::uint8_t forma = s.Zodziai[i].AnglForma;
  if (Yra(s, pagalbinis, ButiesFormos)) return forma == afDalyvis || forma == afIng;
  if (Yra(s, pagalbinis, {"have", "has", "had"})) return forma == afDalyvis;
  return forma == afBazine;
}

void Perkelti(TSakinys& s, int is, int i) {
  TZodis zodis = s.Zodziai[is];
  s.Zodziai.Pasalinti(is);
  s.Zodziai.Iterpti(i, std::move(zodis));
}

void PridetiAr(TSakinys& s) {
  TZodis ar;
  ar.Vidinis = 1;
  ar.Liet = "ar";
  ar.Tikrinis = 1;
  s.Zodziai.Iterpti(0, std::move(ar));
}

}  // namespace

void ApverstiKlausima(TSakinys& s) {
  if (!BaigiasiKlaustuku(s)) return;
  bool klausiamasis = false;
  const int pagalbinis = PagalbinioVieta(s, klausiamasis);
  if (pagalbinis < 0) return;
  const int ne = s.ZodisYra(pagalbinis + 1, "not") ? 1 : 0;
  const int veiksnys = pagalbinis + 1 + ne;
  const int galas = VeiksnioGalas(s, veiksnys);
  if (galas == veiksnys) return;
  int veiksmazodis = galas;
  while (s.DalisYra(veiksmazodis, dPrieveiksmis)) ++veiksmazodis;
  const bool suVeiksmazodziu = TinkamasVeiksmazodis(s, pagalbinis, veiksmazodis);
  // "Where are you?": a form of "be" with no verb goes behind a pronoun, not behind a noun
  // ("Kur yra stotis?" keeps its order).
  const bool butiBeVeiksmazodzio =
      klausiamasis && !suVeiksmazodziu && Yra(s, pagalbinis, ButiesFormos) &&
      s.AsmeninisIvardis(veiksnys) && galas == veiksnys + 1;
  if (!suVeiksmazodziu && !butiBeVeiksmazodzio) return;
  // "Could you open it?" asks politely: the conditional, not the past.
  if (s.ZodisYra(pagalbinis, "could")) {
    TZodis& could = s.Zodziai[pagalbinis];
    could.Laikas = zlkBusimasis;
    could.Nuosaka = nTariamoji;
    could.AnglForma = afNera;
  }
  // Behind the subject, right before the verb, where the verb analysis looks for it ("you have
  // ever been"); it no longer starts the sentence.
  s.Zodziai[pagalbinis].Tikrinis = 0;
  const int kur = (suVeiksmazodziu ? veiksmazodis : galas) - 1;
  for (int k = 0; k <= ne; ++k) Perkelti(s, pagalbinis, kur);
  if (!klausiamasis && suVeiksmazodziu) PridetiAr(s);
}

}  // namespace kervosta
