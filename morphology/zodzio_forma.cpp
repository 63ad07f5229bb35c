#include "morphology/zodzio_forma.h"

#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta {

namespace {

std::string Arba(const Forma& forma) { return forma.value_or(std::string()); }

std::string DaiktVardininkas(const ZodynoIrasas& irasas, int skaicius) {
  return Arba(DaiktavardzioForma(irasas, lVardininkas, skaicius));
}

// A pronoun entry is declined only when flagged so; otherwise its stem field holds the word.
std::string IvardzioVardininkas(const ZodynoIrasas& irasas) {
  if (irasas.Paradigma3() != 1) return irasas.Kamienas();
  return Arba(IvardzioForma(irasas, gVyriska, lVardininkas, skVienaskaita));
}

std::string Veiksm(const ZodynoIrasas& irasas, int asmuo, int laikas) {
  return Arba(VeiksmazodzioForma(irasas, asmuo, laikas, nTiesiogine, lVardininkas, gVyriska,
                                 skVienaskaita, fAsmenuojama, true));
}

std::string VeiksmDalyvis(const ZodynoIrasas& irasas) {
  return Arba(VeiksmazodzioForma(irasas, 1, lkButasisKartinis, nTiesiogine, lVardininkas,
                                 dgVyriska, skVienaskaita, fDalyvis, false));
}

std::string Budv(const ZodynoIrasas& irasas, int laipsnis) {
  return Arba(BudvardzioForma(irasas, bgVyriska, lVardininkas, skVienaskaita, laipsnis));
}

// A cardinal the editor saved as not declining (paradigm -1) has no ending table: its stem field
// holds the whole numeral, which is used rather than an empty word.
std::string Skaitv(const ZodynoIrasas& irasas, int skaicius) {
  if (irasas.Kategorija() == srKiekinis && irasas.Paradigma1() < 0) return irasas.Kamienas();
  return Arba(SkaitvardzioForma(irasas, gVyriska, lVardininkas, skaicius));
}

}  // namespace

std::string CitavimoForma(const ZodynoIrasas& irasas) {
  switch (irasas.DaliesKodas()) {
    case IrasoKodas(dDaiktavardis):
      return DaiktVardininkas(irasas, irasas.Paradigma3() == 2 ? skDaugiskaita : skVienaskaita);
    case IrasoKodas(dIvardis): return IvardzioVardininkas(irasas);
    case IrasoKodas(dVeiksmazodis): return Veiksm(irasas, 1, lkBendratis);
    case IrasoKodas(dBudvardis): return Budv(irasas, lpNelyginamasis);
    case IrasoKodas(dSkaitvardis): return Skaitv(irasas, skVienaskaita);
    default: return irasas.LietZodis();
  }
}

std::string KandidatoTekstas(const ZodynoIrasas& irasas, Pataikymas pataikymas,
                             std::string_view anglZodis) {
  switch (pataikymas) {
    case Pataikymas::DaiktSavybinis:
    case Pataikymas::DaiktSavybinisApostrofas:
    case Pataikymas::DaiktVardas: return irasas.LietZodis();
    case Pataikymas::DaiktDaugSavybinis:
    case Pataikymas::DaiktDaugiskaita: return DaiktVardininkas(irasas, skDaugiskaita);
    case Pataikymas::Ivardis: return IvardzioVardininkas(irasas);
    case Pataikymas::VeiksmBendratis: return Veiksm(irasas, 1, lkBendratis);
    case Pataikymas::VeiksmTreciasisAsmuo:
    case Pataikymas::VeiksmIng: return Veiksm(irasas, 3, lkEsamasis);
    case Pataikymas::VeiksmButasis: return Veiksm(irasas, 3, lkButasisKartinis);
    case Pataikymas::VeiksmDalyvis: return VeiksmDalyvis(irasas);
    case Pataikymas::BudvNelyginamasis: return Budv(irasas, lpNelyginamasis);
    case Pataikymas::BudvAukstesnysis: return Budv(irasas, lpAukstesnysis);
    case Pataikymas::BudvAuksciausiasis: return Budv(irasas, lpAuksciausiasis);
    case Pataikymas::SkaitvVienaskaita: return Skaitv(irasas, skVienaskaita);
    case Pataikymas::SkaitvDaugiskaita: return Skaitv(irasas, skDaugiskaita);
    case Pataikymas::SkaitvSkaitmenys: return std::string(anglZodis);
    case Pataikymas::Kita: return irasas.LietZodis();
  }
  return irasas.LietZodis();
}

}  // namespace kervosta
