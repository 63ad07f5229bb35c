#include "morphology/iraso_pavyzdziai.h"

#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta {

namespace {

// Forms 1..kiekis joined, or an empty line when any of them cannot be built.
template <typename F>
std::string Eilute(int kiekis, F forma) {
  std::string eilute;
  for (int i = 1; i <= kiekis; ++i) {
    const Forma f = forma(i);
    if (!f) return {};
    if (i > 1) eilute += ", ";
    eilute += *f;
  }
  return eilute;
}

// Six singular then six plural cases.
template <typename F>
std::string AbuSkaiciai(F forma) {
  return Eilute(2 * LinksniuSkaicius, [&](int i) {
    return forma((i - 1) % LinksniuSkaicius + 1, (i - 1) / LinksniuSkaicius + 1);
  });
}

std::vector<std::string> Eilutes(const DaiktavardzioLaukai& l) {
  const auto skaicius = [&](int sk) {
    return Eilute(LinksniuSkaicius, [&](int linksnis) {
      return DaiktavardzioForma(l.Kamienas, l.Linksniuote, linksnis, sk);
    });
  };
  return {skaicius(skVienaskaita), skaicius(skDaugiskaita)};
}

std::vector<std::string> Eilutes(const BudvardzioLaukai& l) {
  const auto gimine = [&](int paradigma, int gim) {
    return AbuSkaiciai([&](int linksnis, int skaicius) {
      return BudvardzioForma(l.Kamienas, paradigma, gim, linksnis, skaicius, lpNelyginamasis);
    });
  };
  return {gimine(l.VyrLinksniuote, bgVyriska), gimine(l.MotLinksniuote, bgMoteriska)};
}

std::vector<std::string> Eilutes(const VeiksmazodzioLaukai& l) {
  const auto laikas = [](const std::string& kamienas, int klase, int lk) {
    return Eilute(AsmenuSkaicius, [&](int asmuo) {
      return VeiksmazodzioForma(kamienas, klase, asmuo, lk, nTiesiogine, lVardininkas, gVyriska,
                                skVienaskaita, fAsmenuojama, true);
    });
  };
  return {laikas(l.EsamasKamienas, l.EsamojoKlase, lkEsamasis),
          laikas(l.ButasKamienas, l.ButojoKlase, lkButasisKartinis),
          laikas(l.BusimasKamienas, l.BusimojoKlase, lkBusimasis)};
}

std::vector<std::string> Eilutes(const IvardzioLaukai& l) {
  if (!l.Linksniuojamas) return std::vector<std::string>(4);
  const auto eilute = [&](int gimine, int skaicius) {
    return Eilute(LinksniuSkaicius, [&](int linksnis) {
      return IvardzioForma(l.Kamienas, l.Linksniuote, gimine, linksnis, skaicius);
    });
  };
  return {eilute(gVyriska, skVienaskaita), eilute(gVyriska, skDaugiskaita),
          eilute(gMoteriska, skVienaskaita), eilute(gMoteriska, skDaugiskaita)};
}

std::vector<std::string> Eilutes(const SkaitvardzioLaukai& l) {
  const auto eilute = [&](int paradigma, int gimine, int skaicius) {
    return Eilute(LinksniuSkaicius, [&](int linksnis) {
      return SkaitvardzioForma(l.Kamienas, paradigma, gimine, linksnis, skaicius, l.Tipas);
    });
  };
  if (l.Tipas == srKelintinis) {
    const int p = l.KelintinioLinksniuote;
    return {eilute(p, gVyriska, skVienaskaita), eilute(p, gMoteriska, skVienaskaita),
            eilute(p, gVyriska, skDaugiskaita), eilute(p, gMoteriska, skDaugiskaita)};
  }
  if (!l.Kaitomas) return std::vector<std::string>(4);
  const int p = l.KiekinioLinksniuote;
  return {eilute(p, gVyriska, skVienaskaita), eilute(p, gMoteriska, skVienaskaita), {}, {}};
}

std::vector<std::string> Eilutes(const KitoZodzioLaukai&) { return {}; }

}  // namespace

std::vector<std::string> Pavyzdziai(const IrasoLaukai& laukai) {
  return std::visit([](const auto& l) { return Eilutes(l); }, laukai);
}

}  // namespace kervosta
