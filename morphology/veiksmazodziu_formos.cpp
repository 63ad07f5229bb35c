#include "morphology/veiksmazodziu_formos.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "morphology/kodai.h"
#include "morphology/veiksmazodziu_galunes.h"

namespace kervosta {

namespace {

using Gabalas = std::optional<std::string_view>;

struct Kamienai {
  std::string_view Bendraties;
  std::string_view Esamasis;
  std::string_view Butasis;
  int EsamojoKlase;
  int ButojoKlase;
  int BusimojoKlase;
};

// One cell of a table; every caller has checked its codes, and the index is checked once more.
Gabalas Langelis(std::span<const std::string_view> lentele, std::size_t i) {
  if (i >= lentele.size()) return std::nullopt;
  return lentele[i];
}

// The ending of a verb table for a class row and a person 1..6.
template <std::size_t N>
Gabalas AsmensGalune(const std::array<std::string_view, N>& lentele, int klase, int asmuo) {
  constexpr std::size_t klasiu = N / AsmenuSkaicius;
  if (klase < 0 || static_cast<std::size_t>(klase) >= klasiu) return std::nullopt;
  if (asmuo < 1 || asmuo > AsmenuSkaicius) return std::nullopt;
  return Langelis(lentele, static_cast<std::size_t>(AsmenuSkaicius * klase + asmuo - 1));
}

Gabalas BendratiesGalune(int klase) {
  if (klase < 0 || klase >= BusimojoLaikoKlasiu) return std::nullopt;
  return Langelis(BendratiesGalunes, static_cast<std::size_t>(klase));
}

// The ending of a participle table for a gender half, a number and a case.
Gabalas DalyvioGalune(const std::array<std::string_view, DalyvioGaluniu>& lentele, int gimine,
                      int skaicius, int linksnis) {
  if (gimine != dgVyriska && gimine != dgMoteriska) return std::nullopt;
  if (skaicius != skVienaskaita && skaicius != skDaugiskaita) return std::nullopt;
  if (linksnis < lVardininkas || linksnis > LinksniuSkaicius) return std::nullopt;
  return Langelis(lentele, static_cast<std::size_t>(12 * gimine + LinksniuSkaicius * (skaicius - 1) +
                                                  linksnis - 1));
}

// The pieces joined, or no form when any piece is missing.
Forma Sujungti(std::initializer_list<Gabalas> gabalai) {
  std::string forma;
  for (const Gabalas& gabalas : gabalai) {
    if (!gabalas) return std::nullopt;
    forma += *gabalas;
  }
  return forma;
}

// The third-person present ending sits between the present stem and a present participle ending.
Gabalas TreciojoAsmensGalune(const Kamienai& k) {
  return AsmensGalune(EsamojoLaikoGalunes, k.EsamojoKlase, 3);
}

Forma Tiesiogine(const Kamienai& k, int asmuo, int laikas) {
  switch (laikas) {
    case lkEsamasis:
      return Sujungti({k.Esamasis, AsmensGalune(EsamojoLaikoGalunes, k.EsamojoKlase, asmuo)});
    case lkButasisKartinis:
      return Sujungti({k.Butasis, AsmensGalune(ButojoLaikoGalunes, k.ButojoKlase, asmuo)});
    case lkButasisDazninis:
      // Every verb, reflexive or not, takes the plain first past row after "dav".
      return Sujungti({k.Bendraties, "dav", AsmensGalune(ButojoLaikoGalunes, 0, asmuo)});
    case lkBusimasis:
      return Sujungti({k.Bendraties, AsmensGalune(BusimojoLaikoGalunes, k.BusimojoKlase, asmuo)});
    case lkBendratis:
      return Sujungti({k.Bendraties, BendratiesGalune(k.BusimojoKlase)});
    default:
      return std::nullopt;
  }
}

Forma Liepiamoji(const Kamienai& k, int asmuo) {
  switch (asmuo) {
    case 2:
    case 4:
    case 5:
      return Sujungti({k.Bendraties, AsmensGalune(LiepiamosiosGalunes, k.BusimojoKlase, asmuo)});
    case 3:
    case 6:
      return Sujungti(
          {"tegul ", k.Esamasis, AsmensGalune(EsamojoLaikoGalunes, k.EsamojoKlase, asmuo)});
    default:
      return std::nullopt;
  }
}

Forma Asmenuojama(const Kamienai& k, int asmuo, int laikas, int nuosaka) {
  switch (nuosaka) {
    case nTiesiogine:
      return Tiesiogine(k, asmuo, laikas);
    case nTariamoji:
      return Sujungti({k.Bendraties, AsmensGalune(TariamosiosGalunes, k.BusimojoKlase, asmuo)});
    case nLiepiamoji:
      return Liepiamoji(k, asmuo);
    default:
      return std::nullopt;
  }
}

Forma VeikiamasisDalyvis(const Kamienai& k, int laikas, int gimine, int skaicius, int linksnis) {
  switch (laikas) {
    case lkEsamasis:
      return Sujungti({k.Esamasis, TreciojoAsmensGalune(k),
                       DalyvioGalune(VeikEsamojoDalyvioGalunes, gimine, skaicius, linksnis)});
    case lkButasisKartinis:
      return Sujungti(
          {k.Butasis, DalyvioGalune(VeikButojoDalyvioGalunes, gimine, skaicius, linksnis)});
    case lkButasisDazninis:
      // Frequentative forms grow from the infinitive stem (mokydavęs, mylėdavęs), as the finite
      // frequentative does; the past stem (mok, mylėj) would give no word for many verbs.
      return Sujungti(
          {k.Bendraties, DalyvioGalune(VeikDazninioDalyvioGalunes, gimine, skaicius, linksnis)});
    case lkBusimasis:
      return Sujungti(
          {k.Bendraties, DalyvioGalune(VeikBusimojoDalyvioGalunes, gimine, skaicius, linksnis)});
    default:
      return std::nullopt;
  }
}

Forma NeveikiamasisDalyvis(const Kamienai& k, int laikas, int gimine, int skaicius, int linksnis) {
  switch (laikas) {
    case lkEsamasis:
      return Sujungti({k.Esamasis, TreciojoAsmensGalune(k),
                       DalyvioGalune(NeveikEsamojoDalyvioGalunes, gimine, skaicius, linksnis)});
    case lkButasisKartinis:
      return Sujungti(
          {k.Bendraties, DalyvioGalune(NeveikButojoDalyvioGalunes, gimine, skaicius, linksnis)});
    default:
      return std::nullopt;
  }
}

Forma Sudaryti(const Kamienai& k, int asmuo, int laikas, int nuosaka, int dalyvioLinksnis,
               int gimine, int skaicius, int formosRusis, bool veikiamoji) {
  if (!veikiamoji) return NeveikiamasisDalyvis(k, laikas, gimine, skaicius, dalyvioLinksnis);
  switch (formosRusis) {
    case fAsmenuojama:
      return Asmenuojama(k, asmuo, laikas, nuosaka);
    case fDalyvis:
      return VeikiamasisDalyvis(k, laikas, gimine, skaicius, asmuo);
    default:
      return std::nullopt;
  }
}

}  // namespace

Forma VeiksmazodzioForma(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji) {
  const std::string bendraties = irasas.Kamienas();
  const std::string esamasis = irasas.EsamasKamienas();
  const std::string butasis = irasas.ButasKamienas();
  const Kamienai k{bendraties,          esamasis,           butasis, irasas.Paradigma1(),
                   irasas.Paradigma2(), irasas.Paradigma3()};
  return Sudaryti(k, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                  veikiamoji);
}

Forma VeiksmazodzioForma(std::string_view kamienas, int klase, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji) {
  const Kamienai k{kamienas, kamienas, kamienas, klase, klase, klase};
  return Sudaryti(k, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                  veikiamoji);
}

}  // namespace kervosta
