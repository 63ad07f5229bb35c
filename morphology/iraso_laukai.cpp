#include "morphology/iraso_laukai.h"

#include <initializer_list>

#include "core/cp1257.h"
#include "morphology/kodai.h"
#include "morphology/zodzio_forma.h"

namespace kervosta {

using namespace literals;

namespace {

using SL = SkaiciausLaukas;
using TL = TekstoLaukas;

ZodynoIrasas NaujasIrasas(std::uint8_t puslapioKodas) {
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SL::DaliesKodas, puslapioKodas + 1);
  return irasas;
}

// The Lithuanian display form, once every field it is built from is in place.
ZodynoIrasas SuCitavimoForma(ZodynoIrasas irasas) {
  irasas.NustatytiTeksta(TL::LietZodis, CitavimoForma(irasas));
  return irasas;
}

ZodynoIrasas Sudaryti(const DaiktavardzioLaukai& l) {
  ZodynoIrasas r = NaujasIrasas(pkDaiktavardis);
  r.NustatytiSkaiciu(SL::Kategorija, l.Kategorija);
  r.NustatytiSkaiciu(SL::Pozymis, l.Tikrinis ? 1 : 0);
  // A noun used in one number only stores that form in all three places.
  const std::string& antraste = l.AnglSkaicius == 2 ? l.Daugiskaita : l.Vienaskaita;
  r.NustatytiTeksta(TL::Angl1, antraste);
  r.NustatytiTeksta(TL::Angl2, antraste);
  r.NustatytiTeksta(TL::Angl3, l.AnglSkaicius == 0 ? l.Daugiskaita : antraste);
  r.NustatytiSkaiciu(SL::AnglSkaicius, l.AnglSkaicius);
  r.NustatytiTeksta(TL::Kamienas, l.Kamienas);
  r.NustatytiSkaiciu(SL::Paradigma1, l.Linksniuote);
  r.NustatytiSkaiciu(SL::Paradigma2, l.Gimine);
  r.NustatytiSkaiciu(SL::Paradigma3, l.LietSkaicius);
  return SuCitavimoForma(r);
}

ZodynoIrasas Sudaryti(const BudvardzioLaukai& l) {
  ZodynoIrasas r = NaujasIrasas(pkBudvardis);
  r.NustatytiSkaiciu(SL::Pozymis, l.MoreMost ? 1 : 0);
  r.NustatytiTeksta(TL::Angl1, l.Paprasta);
  r.NustatytiTeksta(TL::Angl2, l.Paprasta);
  r.NustatytiTeksta(TL::Angl3, l.Aukstesnysis);
  r.NustatytiTeksta(TL::Angl4, l.Auksciausiasis);
  r.NustatytiTeksta(TL::Kamienas, l.Kamienas);
  r.NustatytiSkaiciu(SL::Paradigma1, l.VyrLinksniuote);
  r.NustatytiSkaiciu(SL::Paradigma2, l.MotLinksniuote);
  return SuCitavimoForma(r);
}

ZodynoIrasas Sudaryti(const VeiksmazodzioLaukai& l) {
  ZodynoIrasas r = NaujasIrasas(pkVeiksmazodis);
  r.NustatytiSkaiciu(SL::Kategorija, l.Kategorija);
  r.NustatytiSkaiciu(SL::Pozymis, l.Taisyklingas ? 1 : 0);
  r.NustatytiSkaiciu(SL::AnglSkaicius, l.Taisyklingas ? 1 : 0);
  r.NustatytiTeksta(TL::Angl1, l.Bendratis);
  r.NustatytiTeksta(TL::Angl2, l.TreciasisAsmuo);
  r.NustatytiTeksta(TL::Angl3, l.AntraForma);
  r.NustatytiTeksta(TL::Angl4, l.TreciaForma);
  r.NustatytiTeksta(TL::Angl5, l.IngForma);
  r.NustatytiTeksta(TL::Kamienas, l.Kamienas);
  r.NustatytiTeksta(TL::EsamasKamienas, l.EsamasKamienas);
  r.NustatytiTeksta(TL::ButasKamienas, l.ButasKamienas);
  r.NustatytiTeksta(TL::BusimasKamienas, l.BusimasKamienas);
  r.NustatytiSkaiciu(SL::Paradigma1, l.EsamojoKlase);
  r.NustatytiSkaiciu(SL::Paradigma2, l.ButojoKlase);
  r.NustatytiSkaiciu(SL::Paradigma3, l.BusimojoKlase);
  r.NustatytiSkaiciu(SL::Klausimas, l.Klausimas);
  return SuCitavimoForma(r);
}

ZodynoIrasas Sudaryti(const IvardzioLaukai& l) {
  ZodynoIrasas r = NaujasIrasas(pkIvardis);
  r.NustatytiSkaiciu(SL::Pozymis, l.Rusis);
  r.NustatytiTeksta(TL::Angl1, l.Angliskas);
  r.NustatytiTeksta(TL::Kamienas, l.Kamienas);
  r.NustatytiSkaiciu(SL::Paradigma1, l.Linksniuojamas ? l.Linksniuote : -1);
  r.NustatytiSkaiciu(SL::Paradigma3, l.Linksniuojamas ? 1 : 0);
  return SuCitavimoForma(r);
}

// The paradigm a numeral declines by: none for a cardinal that does not decline.
int SkaitvardzioParadigma(const SkaitvardzioLaukai& l) {
  if (l.Tipas == srKelintinis) return l.KelintinioLinksniuote;
  return l.Kaitomas ? l.KiekinioLinksniuote : -1;
}

ZodynoIrasas Sudaryti(const SkaitvardzioLaukai& l) {
  ZodynoIrasas r = NaujasIrasas(pkSkaitvardis);
  r.NustatytiSkaiciu(SL::Kategorija, l.Tipas);
  r.NustatytiTeksta(TL::Angl1, l.Vienaskaita);
  r.NustatytiTeksta(TL::Angl2, l.Daugiskaita);
  r.NustatytiTeksta(TL::Angl3, l.Skaitmenys);
  r.NustatytiTeksta(TL::Kamienas, l.Kamienas);
  r.NustatytiSkaiciu(SL::Paradigma1, SkaitvardzioParadigma(l));
  r.NustatytiSkaiciu(SL::Paradigma2, SkaitvardzioParadigma(l));
  r.NustatytiSkaiciu(SL::Paradigma3, l.Klausimas);
  return SuCitavimoForma(r);
}

ZodynoIrasas Sudaryti(const KitoZodzioLaukai& l) {
  ZodynoIrasas r;
  r.NustatytiSkaiciu(SL::DaliesKodas, l.KalbosDalis + 1);
  r.NustatytiSkaiciu(SL::Pozymis, l.Klausimas);
  r.NustatytiTeksta(TL::Angl1, l.Angliskas);
  r.NustatytiTeksta(TL::LietZodis, l.Lietuviskas);
  return r;
}

DaiktavardzioLaukai Daiktavardis(const ZodynoIrasas& r) {
  DaiktavardzioLaukai l;
  l.AnglSkaicius = r.AnglSkaicius();
  if (l.AnglSkaicius == 1) {
    l.Vienaskaita = r.Angl1();
  } else if (l.AnglSkaicius == 2) {
    l.Daugiskaita = r.Angl1();
  } else {
    l.Vienaskaita = r.Angl2();
    l.Daugiskaita = r.Angl3();
  }
  l.Tikrinis = r.Pozymis() == 1;
  l.Kamienas = r.Kamienas();
  l.Kategorija = r.Kategorija();
  l.Gimine = r.Paradigma2();
  l.LietSkaicius = r.Paradigma3();
  l.Linksniuote = r.Paradigma1();
  return l;
}

BudvardzioLaukai Budvardis(const ZodynoIrasas& r) {
  return {.Paprasta = r.Angl1(),
          .MoreMost = r.Pozymis() == 1,
          .Aukstesnysis = r.Angl3(),
          .Auksciausiasis = r.Angl4(),
          .Kamienas = r.Kamienas(),
          .VyrLinksniuote = r.Paradigma1(),
          .MotLinksniuote = r.Paradigma2()};
}

VeiksmazodzioLaukai Veiksmazodis(const ZodynoIrasas& r) {
  return {.Bendratis = r.Angl1(),
          .TreciasisAsmuo = r.Angl2(),
          .Taisyklingas = r.Pozymis() == 1,
          .AntraForma = r.Angl3(),
          .TreciaForma = r.Angl4(),
          .IngForma = r.Angl5(),
          .Kamienas = r.Kamienas(),
          .BendratiesGalune = r.Paradigma3(),
          .Klausimas = r.Klausimas(),
          .Kategorija = r.Kategorija(),
          .EsamasKamienas = r.EsamasKamienas(),
          .EsamojoKlase = r.Paradigma1(),
          .ButasKamienas = r.ButasKamienas(),
          .ButojoKlase = r.Paradigma2(),
          .BusimasKamienas = r.BusimasKamienas(),
          .BusimojoKlase = r.Paradigma3()};
}

IvardzioLaukai Ivardis(const ZodynoIrasas& r) {
  IvardzioLaukai l{.Angliskas = r.Angl1(),
                   .Kamienas = r.Kamienas(),
                   .Rusis = r.Pozymis(),
                   .Linksniuojamas = r.Paradigma3() == 1};
  if (l.Linksniuojamas) l.Linksniuote = r.Paradigma1();
  return l;
}

SkaitvardzioLaukai Skaitvardis(const ZodynoIrasas& r) {
  SkaitvardzioLaukai l{.Tipas = r.Kategorija(),
                       .Vienaskaita = r.Angl1(),
                       .Daugiskaita = r.Angl2(),
                       .Skaitmenys = r.Angl3(),
                       .Kamienas = r.Kamienas(),
                       .Klausimas = r.Paradigma3()};
  if (l.Tipas == srKelintinis) {
    l.Kaitomas = true;
    l.KelintinioLinksniuote = r.Paradigma1();
  } else if (r.Paradigma1() >= 0) {
    l.Kaitomas = true;
    l.KiekinioLinksniuote = r.Paradigma1();
  }
  return l;
}

KitoZodzioLaukai KitasZodis(const ZodynoIrasas& r) {
  // A damaged code below 1 shows no part of speech chosen.
  return {.KalbosDalis = r.DaliesKodas() > 0 ? r.DaliesKodas() - 1 : -1,
          .Klausimas = r.Pozymis(),
          .Angliskas = r.Angl1(),
          .Lietuviskas = r.LietZodis()};
}

bool Baigiasi(std::string_view zodis, std::string_view galas) {
  return zodis.size() >= galas.size() && zodis.substr(zodis.size() - galas.size()) == galas;
}

std::string Prideti(std::string_view zodis, std::string_view galune) {
  if (zodis.empty()) return {};
  return std::string(zodis).append(galune);
}

}  // namespace

std::uint8_t PuslapioKodas(const ZodynoIrasas& irasas) {
  for (const std::uint8_t kodas :
       {pkDaiktavardis, pkIvardis, pkVeiksmazodis, pkBudvardis, pkSkaitvardis})
    if (irasas.DaliesKodas() == kodas + 1) return kodas;
  return pkKita;
}

ZodynoIrasas SudarytiIrasa(const IrasoLaukai& laukai) {
  return std::visit([](const auto& l) { return Sudaryti(l); }, laukai);
}

IrasoLaukai IkeltiLaukus(const ZodynoIrasas& irasas) {
  switch (PuslapioKodas(irasas)) {
    case pkDaiktavardis: return Daiktavardis(irasas);
    case pkIvardis: return Ivardis(irasas);
    case pkVeiksmazodis: return Veiksmazodis(irasas);
    case pkBudvardis: return Budvardis(irasas);
    case pkSkaitvardis: return Skaitvardis(irasas);
    default: return KitasZodis(irasas);
  }
}

std::string AnglDaugiskaita(std::string_view vienaskaita) {
  for (const std::string_view galas : {"ss", "ch", "sh", "x"})
    if (Baigiasi(vienaskaita, galas)) return Prideti(vienaskaita, "es");
  return Prideti(vienaskaita, "s");
}

std::string TreciasisAsmuo(std::string_view bendratis) { return Prideti(bendratis, "s"); }

std::string IngForma(std::string_view bendratis) { return Prideti(bendratis, "ing"); }

std::string ButojiForma(std::string_view bendratis, bool taisyklingas) {
  return taisyklingas ? Prideti(bendratis, "ed") : std::string(bendratis);
}

}  // namespace kervosta
