#include "morphology/vardazodziu_formos.h"

#include <span>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_galunes.h"

namespace kervosta {

using namespace literals;

namespace {

// The cell of a nominal table for a paradigm, number and case, or nothing when any of them lies
// outside the table.
std::optional<std::string_view> Langelis(std::span<const std::string_view> lentele, int paradigma,
                                         int skaicius, int linksnis, int linksniu = LinksniuSkaicius) {
  if (paradigma < 0 || skaicius < skVienaskaita || skaicius > skDaugiskaita || linksnis < 1 ||
      linksnis > linksniu)
    return std::nullopt;
  const auto indeksas = static_cast<std::size_t>(paradigma) * 2 * linksniu +
                        static_cast<std::size_t>((skaicius - 1) * linksniu + (linksnis - 1));
  if (indeksas >= lentele.size()) return std::nullopt;
  return lentele[indeksas];
}

Forma Sujungti(std::string_view kamienas, std::optional<std::string_view> galune) {
  if (!galune) return std::nullopt;
  std::string forma;
  forma.reserve(kamienas.size() + galune->size());
  forma.append(kamienas).append(*galune);
  return forma;
}

char PaskutineRaide(std::string_view kamienas) {
  const char raide = kamienas.back();
  return raide >= 'A' && raide <= 'Z' ? static_cast<char>(raide - 'A' + 'a') : raide;
}

// The soft endings before which a t- or d-final noun stem alternates: in paradigms 3 and 4 every
// plural case and the singular genitive, dative and instrumental; in paradigm 8 the genitive
// plural only.
bool MinkstejaGalune(int paradigma, int linksnis, int skaicius) {
  if (paradigma == 3 || paradigma == 4)
    return skaicius == skDaugiskaita ||
           (skaicius == skVienaskaita &&
            (linksnis == lKilmininkas || linksnis == lNaudininkas || linksnis == lInagininkas));
  return paradigma == 8 && skaicius == skDaugiskaita && linksnis == lKilmininkas;
}

}  // namespace

Forma DaiktavardzioForma(std::string_view kamienas, int paradigma, int linksnis, int skaicius) {
  const auto galune =
      Langelis(DaiktavardzioGalunes, paradigma, skaicius, linksnis, DaiktavardzioLinksniu);
  if (!galune || kamienas.empty() || !MinkstejaGalune(paradigma, linksnis, skaicius))
    return Sujungti(kamienas, galune);
  const char raide = PaskutineRaide(kamienas);
  if (raide == 't') {
    std::string pakeistas(kamienas.substr(0, kamienas.size() - 1));
    pakeistas += "č"_lt;
    return Sujungti(pakeistas, galune);
  }
  if (raide == 'd') {
    std::string pakeistas(kamienas);
    pakeistas += "ž"_lt;
    return Sujungti(pakeistas, galune);
  }
  return Sujungti(kamienas, galune);
}

Forma DaiktavardzioForma(const ZodynoIrasas& irasas, int linksnis, int skaicius) {
  return DaiktavardzioForma(irasas.Kamienas(), irasas.Paradigma1(), linksnis, skaicius);
}

Forma BudvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                      int skaicius, int laipsnis) {
  if (gimine != bgVyriska && gimine != bgMoteriska) return std::nullopt;
  const bool vyriska = gimine == bgVyriska;
  const int puse = vyriska ? 0 : 1;
  switch (laipsnis) {
    case lpNelyginamasis:
      return Sujungti(kamienas, vyriska ? Langelis(BudvardzioVyrGalunes, paradigma, skaicius, linksnis)
                                        : Langelis(BudvardzioMotGalunes, paradigma, skaicius, linksnis));
    case lpAukstesnysis:
      return Sujungti(kamienas, Langelis(AukstesniojoLaipsnio, puse, skaicius, linksnis));
    case lpAuksciausiasis:
      return Sujungti(kamienas, Langelis(AuksciausiojoLaipsnio, puse, skaicius, linksnis));
    default:
      return std::nullopt;
  }
}

Forma BudvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius,
                      int laipsnis) {
  const int paradigma = gimine == bgMoteriska ? irasas.Paradigma2() : irasas.Paradigma1();
  return BudvardzioForma(irasas.Kamienas(), paradigma, gimine, linksnis, skaicius, laipsnis);
}

Forma IvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                    int skaicius) {
  if (gimine == gVyriska)
    return Sujungti(kamienas, Langelis(IvardzioVyrGalunes, paradigma, skaicius, linksnis));
  if (gimine == gMoteriska)
    return Sujungti(kamienas, Langelis(IvardzioMotGalunes, paradigma, skaicius, linksnis));
  return std::nullopt;
}

Forma IvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius) {
  return IvardzioForma(irasas.Kamienas(), irasas.Paradigma1(), gimine, linksnis, skaicius);
}

Forma AsmeninioIvardzioForma(const TZodis& zodis, int gimine, int linksnis) {
  int eilute = zodis.Nr;
  if (eilute == 7 && gimine == gMoteriska) eilute = 8;
  if (eilute < 1 || eilute > AsmeniniuIvardziuEiluciu || linksnis < 1 || linksnis > LinksniuSkaicius)
    return std::nullopt;
  return std::string(
      AsmeniniaiIvardziai[static_cast<std::size_t>((eilute - 1) * LinksniuSkaicius + linksnis - 1)]);
}

Forma SkaitvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                        int skaicius, int rusis) {
  if (gimine != gVyriska && gimine != gMoteriska) return std::nullopt;
  const bool vyriska = gimine == gVyriska;
  if (rusis == srKelintinis)
    return Sujungti(kamienas, vyriska ? Langelis(KelintinioVyrGalunes, paradigma, skaicius, linksnis)
                                      : Langelis(KelintinioMotGalunes, paradigma, skaicius, linksnis));
  if (rusis != srKiekinis) return std::nullopt;
  const auto langelis = vyriska ? Langelis(SkaitvardzioVyrGalunes, paradigma, skaicius, linksnis)
                                : Langelis(SkaitvardzioMotGalunes, paradigma, skaicius, linksnis);
  if (paradigma >= PirmojiPilnuZodziuEilute) return Sujungti({}, langelis);
  return Sujungti(kamienas, langelis);
}

Forma SkaitvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius) {
  int paradigma = irasas.Paradigma1();
  if (irasas.Kategorija() == srKiekinis && gimine == gMoteriska &&
      paradigma >= PirmojiPilnuZodziuEilute)
    paradigma = irasas.Paradigma2();
  return SkaitvardzioForma(irasas.Kamienas(), paradigma, gimine, linksnis, skaicius,
                           irasas.Kategorija());
}

}  // namespace kervosta
