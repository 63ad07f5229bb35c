// What keeps the entry editor from saving a page (LaukuKlaida).
#include "morphology/iraso_laukai.h"

#include <initializer_list>

#include "core/cp1257.h"
#include "morphology/etiketes.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_galunes.h"
#include "morphology/veiksmazodziu_galunes.h"

namespace kervosta {

using namespace literals;

namespace {

using Klaida = std::optional<std::string>;

Klaida PirmojiKlaida(std::initializer_list<Klaida> klaidos) {
  for (const Klaida& klaida : klaidos)
    if (klaida) return klaida;
  return std::nullopt;
}

Klaida TusciaAntraste(std::string_view antraste) {
  if (antraste.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
  return std::string("Įveskite anglišką žodį."_lt);
}

// The record would keep only the first 32 characters, losing the end of a word unseen.
Klaida PerIlgasTekstas(std::initializer_list<std::string_view> tekstai) {
  for (const std::string_view tekstas : tekstai) {
    if (tekstas.size() <= ZodynoIrasas::TekstoTalpa) continue;
    return std::string("Tekstas „"_lt) + std::string(tekstas) +
           std::string("“ per ilgas: žodyne telpa ne daugiau kaip 32 simboliai."_lt);
  }
  return std::nullopt;
}

Klaida NeraSarase(int indeksas, std::size_t kiekis, std::string_view pranesimas) {
  if (indeksas >= 0 && static_cast<std::size_t>(indeksas) < kiekis) return std::nullopt;
  return std::string(pranesimas);
}

Klaida Patikrinti(const DaiktavardzioLaukai& l) {
  const std::string& antraste = l.AnglSkaicius == 2 ? l.Daugiskaita : l.Vienaskaita;
  const std::string& daugiskaita = l.AnglSkaicius == 0 ? l.Daugiskaita : antraste;
  return PirmojiKlaida(
      {TusciaAntraste(antraste), PerIlgasTekstas({antraste, daugiskaita, l.Kamienas}),
       NeraSarase(l.Linksniuote, DaiktavardzioLinksniuotes.size(), "Pasirinkite linksniuotę."_lt)});
}

Klaida Patikrinti(const BudvardzioLaukai& l) {
  return PirmojiKlaida({TusciaAntraste(l.Paprasta),
                        PerIlgasTekstas({l.Paprasta, l.Aukstesnysis, l.Auksciausiasis, l.Kamienas}),
                        NeraSarase(l.VyrLinksniuote, BudvardzioVyrLinksniuotes.size(),
                                   "Pasirinkite vyriškosios giminės linksniuotę."_lt),
                        NeraSarase(l.MotLinksniuote, BudvardzioMotLinksniuotes.size(),
                                   "Pasirinkite moteriškosios giminės linksniuotę."_lt)});
}

Klaida Patikrinti(const VeiksmazodzioLaukai& l) {
  return PirmojiKlaida(
      {TusciaAntraste(l.Bendratis),
       PerIlgasTekstas({l.Bendratis, l.TreciasisAsmuo, l.AntraForma, l.TreciaForma, l.IngForma,
                        l.Kamienas, l.EsamasKamienas, l.ButasKamienas, l.BusimasKamienas}),
       NeraSarase(l.EsamojoKlase, EsamojoLaikoAsmenuotes.size(),
                  "Pasirinkite esamojo laiko asmenuotę."_lt),
       NeraSarase(l.ButojoKlase, ButojoLaikoAsmenuotes.size(),
                  "Pasirinkite būtojo laiko asmenuotę."_lt),
       NeraSarase(l.BusimojoKlase, BusimojoLaikoAsmenuotes.size(),
                  "Pasirinkite būsimojo laiko asmenuotę."_lt)});
}

Klaida Patikrinti(const IvardzioLaukai& l) {
  return PirmojiKlaida({TusciaAntraste(l.Angliskas), PerIlgasTekstas({l.Angliskas, l.Kamienas}),
                        l.Linksniuojamas ? NeraSarase(l.Linksniuote, IvardzioLinksniuotes.size(),
                                                      "Pasirinkite įvardžio linksniuotę."_lt)
                                         : std::nullopt});
}

Klaida Patikrinti(const SkaitvardzioLaukai& l) {
  Klaida paradigma;
  if (l.Tipas == srKelintinis)
    paradigma = NeraSarase(l.KelintinioLinksniuote, KelintinioLinksniuotes.size(),
                           "Pasirinkite kelintinio skaitvardžio linksniuotę."_lt);
  else if (l.Kaitomas)
    paradigma = NeraSarase(l.KiekinioLinksniuote, SkaitvardzioLinksniuotes.size(),
                           "Pasirinkite kiekinio skaitvardžio linksniuotę."_lt);
  return PirmojiKlaida({TusciaAntraste(l.Vienaskaita),
                        PerIlgasTekstas({l.Vienaskaita, l.Daugiskaita, l.Skaitmenys, l.Kamienas}),
                        paradigma});
}

// A noun, pronoun, verb, adjective or numeral saved here would lack the stem and paradigms that
// its forms are built from, and would vanish from translations.
Klaida SavoPuslapis(int kalbosDalis) {
  switch (kalbosDalis) {
    case pkDaiktavardis:
    case pkIvardis:
    case pkVeiksmazodis:
    case pkBudvardis:
    case pkSkaitvardis:
      return std::string("Kalbos dalis „"_lt) +
             std::string(KalbuDaliuPavadinimai[static_cast<std::size_t>(kalbosDalis)]) +
             std::string("“ pildoma savo puslapyje."_lt);
    default: return std::nullopt;
  }
}

Klaida Patikrinti(const KitoZodzioLaukai& l) {
  return PirmojiKlaida(
      {TusciaAntraste(l.Angliskas), PerIlgasTekstas({l.Angliskas, l.Lietuviskas}),
       NeraSarase(l.KalbosDalis, KalbuDaliuPavadinimai.size(), "Pasirinkite kalbos dalį."_lt),
       SavoPuslapis(l.KalbosDalis)});
}

}  // namespace

std::optional<std::string> LaukuKlaida(const IrasoLaukai& laukai) {
  return std::visit([](const auto& l) { return Patikrinti(l); }, laukai);
}

}  // namespace kervosta
