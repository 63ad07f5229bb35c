#include "morphology/vardazodziu_formos.h"

#include <span>

#include "morphology/kodai.h"
#include "morphology/netaisyklingi_zodziai.h"
#include "morphology/sandura.h"
#include "morphology/vardazodziu_galunes.h"

namespace kervosta {

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

Forma Jungti(std::string_view kamienas, std::optional<std::string_view> galune) {
  if (!galune) return std::nullopt;
  return Sujungti(kamienas, *galune);
}

// A word the irregular table lists joins the stem and the ending it gives there.
Forma Jungti(ZodzioSeima seima, std::string_view kamienas, int paradigma,
             std::optional<std::string_view> galune) {
  if (!galune) return std::nullopt;
  const SandurosDalys dalys = NetaisyklingosDalys(seima, kamienas, paradigma, *galune);
  return Sujungti(dalys.Kamienas, dalys.Galune);
}

}  // namespace

Forma DaiktavardzioForma(std::string_view kamienas, int paradigma, int linksnis, int skaicius) {
  return Jungti(
      ZodzioSeima::Daiktavardis, kamienas, paradigma,
      Langelis(DaiktavardzioGalunes, paradigma, skaicius, linksnis, DaiktavardzioLinksniu));
}

Forma DaiktavardzioForma(const ZodynoIrasas& irasas, int linksnis, int skaicius) {
  return DaiktavardzioForma(irasas.Vaizdas(TekstoLaukas::Kamienas), irasas.Paradigma1(), linksnis,
                            skaicius);
}

Forma BudvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                      int skaicius, int laipsnis) {
  if (gimine != bgVyriska && gimine != bgMoteriska) return std::nullopt;
  const bool vyriska = gimine == bgVyriska;
  const int puse = vyriska ? 0 : 1;
  switch (laipsnis) {
    case lpNelyginamasis:
      return Jungti(kamienas,
                    vyriska ? Langelis(BudvardzioVyrGalunes, paradigma, skaicius, linksnis)
                            : Langelis(BudvardzioMotGalunes, paradigma, skaicius, linksnis));
    case lpAukstesnysis:
      return Jungti(ZodzioSeima::Laipsnis, kamienas, paradigma,
                    Langelis(AukstesniojoLaipsnio, puse, skaicius, linksnis));
    case lpAuksciausiasis:
      return Jungti(ZodzioSeima::Laipsnis, kamienas, paradigma,
                    Langelis(AuksciausiojoLaipsnio, puse, skaicius, linksnis));
    default:
      return std::nullopt;
  }
}

Forma BudvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius,
                      int laipsnis) {
  const int paradigma = gimine == bgMoteriska ? irasas.Paradigma2() : irasas.Paradigma1();
  return BudvardzioForma(irasas.Vaizdas(TekstoLaukas::Kamienas), paradigma, gimine, linksnis,
                         skaicius, laipsnis);
}

Forma IvardzioForma(std::string_view kamienas, int paradigma, int gimine, int linksnis,
                    int skaicius) {
  if (gimine == gVyriska)
    return Jungti(kamienas, Langelis(IvardzioVyrGalunes, paradigma, skaicius, linksnis));
  if (gimine == gMoteriska)
    return Jungti(kamienas, Langelis(IvardzioMotGalunes, paradigma, skaicius, linksnis));
  return std::nullopt;
}

Forma IvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius) {
  return IvardzioForma(irasas.Vaizdas(TekstoLaukas::Kamienas), irasas.Paradigma1(), gimine,
                       linksnis, skaicius);
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
    return Jungti(kamienas,
                  vyriska ? Langelis(KelintinioVyrGalunes, paradigma, skaicius, linksnis)
                          : Langelis(KelintinioMotGalunes, paradigma, skaicius, linksnis));
  if (rusis != srKiekinis) return std::nullopt;
  const auto langelis = vyriska ? Langelis(SkaitvardzioVyrGalunes, paradigma, skaicius, linksnis)
                                : Langelis(SkaitvardzioMotGalunes, paradigma, skaicius, linksnis);
  if (paradigma >= PirmojiPilnuZodziuEilute) return Jungti({}, langelis);
  return Jungti(kamienas, langelis);
}

Forma SkaitvardzioForma(const ZodynoIrasas& irasas, int gimine, int linksnis, int skaicius) {
  int paradigma = irasas.Paradigma1();
  if (irasas.Kategorija() == srKiekinis && gimine == gMoteriska &&
      paradigma >= PirmojiPilnuZodziuEilute)
    paradigma = irasas.Paradigma2();
  return SkaitvardzioForma(irasas.Vaizdas(TekstoLaukas::Kamienas), paradigma, gimine, linksnis,
                           skaicius, irasas.Kategorija());
}

}  // namespace kervosta
