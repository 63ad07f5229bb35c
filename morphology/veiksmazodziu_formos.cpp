#include "morphology/veiksmazodziu_formos.h"

#include <array>
#include <cstddef>
#include <span>

#include "morphology/kodai.h"
#include "morphology/netaisyklingi_zodziai.h"
#include "morphology/sandura.h"
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

// Pieces of forms that no table holds.
constexpr std::string_view Dazninis = "dav";
constexpr std::string_view Tegul = "tegul ";
constexpr std::string_view Ne = "ne";
// A reflexive form keeps its particle in front when something goes before the verb: the
// participles (besimokantis, besijuokusio) and every negated form (nesigailiu, nesitikėkite).
constexpr std::string_view Besi = "besi";
constexpr std::string_view Nesi = "nesi";
// A reflexive verb's passive is only the impersonal neuter, the particle behind (mokomasi,
// juoktasi), the same whatever gender, number and case are asked.
constexpr std::string_view Dalelyte = "si";
constexpr std::string_view EsamasisBevardis = "ma";
constexpr std::string_view ButasisBevardis = "ta";

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

// The stem and the ending joined, or no form when either is missing.
Forma Jungti(std::string_view kamienas, Gabalas galune, Sandura sandura = Sandura::Bendra) {
  if (!galune) return std::nullopt;
  return Sujungti(kamienas, *galune, sandura);
}

Forma Jungti(const Forma& kamienas, Gabalas galune, Sandura sandura = Sandura::Bendra) {
  if (!kamienas) return std::nullopt;
  return Jungti(std::string_view(*kamienas), galune, sandura);
}

// A piece put in front of a form; after "tegul " when the form has it.
Forma Pries(std::string_view priesdelis, Forma forma) {
  if (!forma) return forma;
  const std::size_t kur = forma->starts_with(Tegul) ? Tegul.size() : 0;
  return forma->insert(kur, priesdelis);
}

// The class row a form reads, and what goes in front of the form: a reflexive class gives its
// plain row behind the particle when something must precede the verb, and "ne" precedes every
// negated form.
struct Eile {
  int Klase;
  std::string_view Priesdelis;
};

Eile Rinktis(int klase, SangrazinesKlases sangrazines, bool neigiama, bool dalyvis) {
  if (sangrazines.Yra(klase) && (neigiama || dalyvis))
    return {sangrazines.Paprasta(klase), neigiama ? Nesi : Besi};
  return {klase, neigiama ? Ne : ""};
}

// A finite form: the stem and the person's ending in the row of the class, with what goes in front.
template <std::size_t N>
Forma Asmens(std::string_view kamienas, const std::array<std::string_view, N>& lentele, int klase,
             SangrazinesKlases sangrazines, int asmuo, bool neigiama) {
  const Eile e = Rinktis(klase, sangrazines, neigiama, false);
  return Pries(e.Priesdelis, Jungti(kamienas, AsmensGalune(lentele, e.Klase, asmuo)));
}

Forma Busimasis(const Kamienai& k, int klase, Gabalas galune) {
  if (!galune) return std::nullopt;
  const SandurosDalys dalys =
      NetaisyklingosDalys(ZodzioSeima::Busimasis, k.Bendraties, klase, *galune);
  return Jungti(dalys.Kamienas, dalys.Galune,
                klase == BusimojoSKamienoKlase ? Sandura::BusimojoKamiene : Sandura::Busimojo);
}

Forma Tiesiogine(const Kamienai& k, int asmuo, int laikas, bool neigiama) {
  switch (laikas) {
    case lkEsamasis:
      return Asmens(k.Esamasis, EsamojoLaikoGalunes, k.EsamojoKlase, EsamojoSangrazines, asmuo,
                    neigiama);
    case lkButasisKartinis:
      return Asmens(k.Butasis, ButojoLaikoGalunes, k.ButojoKlase, ButojoSangrazines, asmuo,
                    neigiama);
    case lkButasisDazninis: {
      // After "dav" every verb takes the first past row, a reflexive one its reflexive row
      // (mokydavausi).
      const Eile e = Rinktis(k.BusimojoKlase, BusimojoSangrazines, neigiama, false);
      const int eile = BusimojoSangrazines.Yra(e.Klase) ? ButojoSangrazines.Pirmoji : 0;
      const std::string kamienas = std::string(k.Bendraties).append(Dazninis);
      return Pries(e.Priesdelis, Jungti(std::string_view(kamienas),
                                        AsmensGalune(ButojoLaikoGalunes, eile, asmuo)));
    }
    case lkBusimasis: {
      const Eile e = Rinktis(k.BusimojoKlase, BusimojoSangrazines, neigiama, false);
      return Pries(e.Priesdelis,
                   Busimasis(k, e.Klase, AsmensGalune(BusimojoLaikoGalunes, e.Klase, asmuo)));
    }
    case lkBendratis: {
      const Eile e = Rinktis(k.BusimojoKlase, BusimojoSangrazines, neigiama, false);
      return Pries(e.Priesdelis, Jungti(k.Bendraties, BendratiesGalune(e.Klase)));
    }
    default:
      return std::nullopt;
  }
}

Forma Liepiamoji(const Kamienai& k, int asmuo, bool neigiama) {
  switch (asmuo) {
    case 2:
    case 4:
    case 5:
      return Asmens(k.Bendraties, LiepiamosiosGalunes, k.BusimojoKlase, BusimojoSangrazines,
                    asmuo, neigiama);
    case 3:
    case 6:
      return Pries(Tegul, Tiesiogine(k, asmuo, lkEsamasis, neigiama));
    default:
      return std::nullopt;
  }
}

Forma Asmenuojama(const Kamienai& k, int asmuo, int laikas, int nuosaka, bool neigiama) {
  switch (nuosaka) {
    case nTiesiogine:
      return Tiesiogine(k, asmuo, laikas, neigiama);
    case nTariamoji:
      return Asmens(k.Bendraties, TariamosiosGalunes, k.BusimojoKlase, BusimojoSangrazines, asmuo,
                    neigiama);
    case nLiepiamoji:
      return Liepiamoji(k, asmuo, neigiama);
    default:
      return std::nullopt;
  }
}

// The present stem with the third-person ending, which present participles grow from.
Forma EsamojoDalyvioKamienas(const Kamienai& k, int klase) {
  return Jungti(k.Esamasis, AsmensGalune(EsamojoLaikoGalunes, klase, 3));
}

// A past in -ė of a present in -o has a soft stem, written with i before u (rašiusi, mačiusi);
// other verbs write none (metusi, piešusi, mylėjusi).
bool MinkstasButasis(const Kamienai& k) {
  return ButojoSangrazines.Paprasta(k.ButojoKlase) == ButojoEKlase &&
         EsamojoSangrazines.Paprasta(k.EsamojoKlase) == EsamojoOKlase;
}

Forma VeikiamasisDalyvis(const Kamienai& k, int laikas, int gimine, int skaicius, int linksnis,
                         bool neigiama) {
  switch (laikas) {
    case lkEsamasis: {
      const Eile e = Rinktis(k.EsamojoKlase, EsamojoSangrazines, neigiama, true);
      return Pries(e.Priesdelis,
                   Jungti(EsamojoDalyvioKamienas(k, e.Klase),
                          DalyvioGalune(VeikEsamojoDalyvioGalunes, gimine, skaicius, linksnis),
                          Sandura::EsamojoDalyvio));
    }
    case lkButasisKartinis: {
      const Eile e = Rinktis(k.ButojoKlase, ButojoSangrazines, neigiama, true);
      const Gabalas galune = DalyvioGalune(VeikButojoDalyvioGalunes, gimine, skaicius, linksnis);
      if (galune && galune->starts_with('u') && MinkstasButasis(k))
        return Pries(e.Priesdelis, Jungti(k.Butasis, "i" + std::string(*galune)));
      return Pries(e.Priesdelis, Jungti(k.Butasis, galune));
    }
    case lkButasisDazninis: {
      // Frequentative forms grow from the infinitive stem (mokydavęs, mylėdavęs), as the finite
      // frequentative does; the past stem (mok, mylėj) would give no word for many verbs.
      const Eile e = Rinktis(k.BusimojoKlase, BusimojoSangrazines, neigiama, true);
      return Pries(e.Priesdelis,
                   Jungti(k.Bendraties,
                          DalyvioGalune(VeikDazninioDalyvioGalunes, gimine, skaicius, linksnis)));
    }
    case lkBusimasis: {
      const Eile e = Rinktis(k.BusimojoKlase, BusimojoSangrazines, neigiama, true);
      return Pries(e.Priesdelis,
                   Jungti(k.Bendraties,
                          DalyvioGalune(VeikBusimojoDalyvioGalunes, gimine, skaicius, linksnis),
                          Sandura::Busimojo));
    }
    default:
      return std::nullopt;
  }
}

// The impersonal neuter of a reflexive verb's passive, when the cell asked exists.
Forma Bevardis(const Forma& kamienas, std::string_view galune, Gabalas langelis) {
  if (!langelis) return std::nullopt;
  Forma forma = Jungti(kamienas, galune);
  if (forma) forma->append(Dalelyte);
  return forma;
}

Forma NeveikiamasisDalyvis(const Kamienai& k, int laikas, int gimine, int skaicius, int linksnis,
                           bool neigiama) {
  const std::string_view ne = neigiama ? Ne : "";
  switch (laikas) {
    case lkEsamasis: {
      const Gabalas galune = DalyvioGalune(NeveikEsamojoDalyvioGalunes, gimine, skaicius, linksnis);
      const Forma kamienas =
          EsamojoDalyvioKamienas(k, EsamojoSangrazines.Paprasta(k.EsamojoKlase));
      return Pries(ne, EsamojoSangrazines.Yra(k.EsamojoKlase)
                           ? Bevardis(kamienas, EsamasisBevardis, galune)
                           : Jungti(kamienas, galune));
    }
    case lkButasisKartinis: {
      const Gabalas galune = DalyvioGalune(NeveikButojoDalyvioGalunes, gimine, skaicius, linksnis);
      return Pries(ne, BusimojoSangrazines.Yra(k.BusimojoKlase)
                           ? Bevardis(Forma(k.Bendraties), ButasisBevardis, galune)
                           : Jungti(k.Bendraties, galune));
    }
    default:
      return std::nullopt;
  }
}

Forma Sudaryti(const Kamienai& k, int asmuo, int laikas, int nuosaka, int dalyvioLinksnis,
               int gimine, int skaicius, int formosRusis, bool veikiamoji, bool neigiama) {
  if (!veikiamoji)
    return NeveikiamasisDalyvis(k, laikas, gimine, skaicius, dalyvioLinksnis, neigiama);
  switch (formosRusis) {
    case fAsmenuojama:
      return Asmenuojama(k, asmuo, laikas, nuosaka, neigiama);
    case fDalyvis:
      return VeikiamasisDalyvis(k, laikas, gimine, skaicius, asmuo, neigiama);
    default:
      return std::nullopt;
  }
}

Forma IsIraso(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka, int dalyvioLinksnis,
              int gimine, int skaicius, int formosRusis, bool veikiamoji, bool neigiama) {
  const Kamienai k{irasas.Vaizdas(TekstoLaukas::Kamienas),
                   irasas.Vaizdas(TekstoLaukas::EsamasKamienas),
                   irasas.Vaizdas(TekstoLaukas::ButasKamienas),
                   irasas.Paradigma1(),
                   irasas.Paradigma2(),
                   irasas.Paradigma3()};
  return Sudaryti(k, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                  veikiamoji, neigiama);
}

}  // namespace

Forma VeiksmazodzioForma(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji) {
  return IsIraso(irasas, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                 veikiamoji, false);
}

Forma NeigiamaVeiksmazodzioForma(const ZodynoIrasas& irasas, int asmuo, int laikas, int nuosaka,
                                 int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                                 bool veikiamoji) {
  return IsIraso(irasas, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                 veikiamoji, true);
}

Forma VeiksmazodzioForma(std::string_view kamienas, int klase, int asmuo, int laikas, int nuosaka,
                         int dalyvioLinksnis, int gimine, int skaicius, int formosRusis,
                         bool veikiamoji) {
  const Kamienai k{kamienas, kamienas, kamienas, klase, klase, klase};
  return Sudaryti(k, asmuo, laikas, nuosaka, dalyvioLinksnis, gimine, skaicius, formosRusis,
                  veikiamoji, false);
}

}  // namespace kervosta
