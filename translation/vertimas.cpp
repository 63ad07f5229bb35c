#include "translation/vertimas.h"

#include "analysis/grupavimas.h"
#include "analysis/sakinio_paieska.h"
#include "analysis/segment_isvedimas.h"
#include "analysis/segment_sutrumpinimai.h"
#include "analysis/segmentavimas.h"
#include "translation/generavimas.h"

namespace kervosta {

namespace {

// Translates the sentences and joins their lines.
std::string VerstiSakinius(const SakinioVertejas& vertejas,
                           const std::vector<std::string>& sakiniai) {
  std::vector<std::string> isvestis;
  for (const std::string& sakinys : sakiniai) vertejas(sakinys, isvestis);
  return Sujungti(isvestis);
}

std::string VerstiLikuti(const SakinioVertejas& vertejas, std::string_view likutis) {
  std::vector<std::string> sakiniai;
  VisasLikutisSakiniu(likutis, sakiniai);
  return VerstiSakinius(vertejas, sakiniai);
}

SakinioVertejas Vertejas(Aplinka& aplinka) {
  return [&aplinka](std::string_view sakinys, std::vector<std::string>& isvestis) {
    VerstiSakini(aplinka, sakinys, isvestis);
  };
}

}  // namespace

void VerstiSakini(Aplinka& aplinka, std::string_view sakinys, std::vector<std::string>& isvestis) {
  // The source sentence holds the English words; the analysis fills the target with copies of
  // them in group order, and the later stages work on the target only.
  TSakinys vertimas;
  TSakinys saltinis;
  SkaidytiZodzius(sakinys, saltinis);
  ValytiSaltini(saltinis);
  IsskleistiSutrumpinimus(saltinis);
  SurastiSakinioZodzius(aplinka, saltinis);
  AnalizuotiSakini(aplinka, saltinis, vertimas);
  ValytiVerti(vertimas);
  GeneruotiSakini(aplinka, vertimas);
  IsvestiSakini(vertimas, isvestis);
}

void VerstiEilutes(const SakinioVertejas& vertejas, const EiluciuSaltinis& anglu,
                   EiluciuPriimtuvas& lietuviu) {
  SakiniuSkaidytojas skaidytojas;  // carries the unfinished text of the lines before
  std::vector<std::string> sakiniai;
  const int eiluciuSk = anglu.EiluciuSk();
  for (int i = 0; i < eiluciuSk; ++i) {
    sakiniai.clear();
    skaidytojas.SkaidytiEilute(anglu.Eilute(i), sakiniai);
    lietuviu.PridetiEilute(VerstiSakinius(vertejas, sakiniai));
  }
  if (!skaidytojas.Likutis().empty())
    lietuviu.PridetiEilute(VerstiLikuti(vertejas, skaidytojas.Likutis()));
}

std::string VerstiTeksta(const SakinioVertejas& vertejas, std::string_view tekstas) {
  std::vector<std::string> sakiniai;
  std::string likutis;
  SkaidytiSakinius(tekstas, sakiniai, likutis);
  std::string rezultatas = VerstiSakinius(vertejas, sakiniai);
  if (!likutis.empty()) rezultatas += VerstiLikuti(vertejas, likutis);
  return rezultatas;
}

void VerstiEilutes(Aplinka& aplinka, const EiluciuSaltinis& anglu, EiluciuPriimtuvas& lietuviu) {
  VerstiEilutes(Vertejas(aplinka), anglu, lietuviu);
}

std::string VerstiTeksta(Aplinka& aplinka, std::string_view tekstas) {
  return VerstiTeksta(Vertejas(aplinka), tekstas);
}

}  // namespace kervosta
