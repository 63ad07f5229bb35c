#include "translation/vertimas.h"

#include <memory>
#include <utility>

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

// The two sentences of a translation, used again for every sentence of a run so that their word
// lists keep the room they have grown to.
struct SakiniuPora {
  TSakinys Saltinis;
  TSakinys Vertimas;
};

// The sentence as a new one, but for the room of its list.
void Isvalyti(TSakinys& sakinys) {
  TZodziuList zodziai = std::move(sakinys.Zodziai);
  zodziai.Isvalyti();
  sakinys = TSakinys{};
  sakinys.Zodziai = std::move(zodziai);
}

void Versti(Aplinka& aplinka, std::string_view sakinys, SakiniuPora& pora,
            std::vector<std::string>& isvestis) {
  // The source sentence holds the English words; the analysis fills the target with copies of
  // them in group order, and the later stages work on the target only.
  TSakinys& saltinis = pora.Saltinis;
  TSakinys& vertimas = pora.Vertimas;
  Isvalyti(saltinis);
  Isvalyti(vertimas);
  ParuostiSaltini(sakinys, saltinis);
  SurastiSakinioZodzius(aplinka, saltinis);
  AnalizuotiSakini(aplinka, saltinis, vertimas);
  ValytiVerti(vertimas);
  GeneruotiSakini(aplinka, vertimas);
  IsvestiSakini(vertimas, isvestis);
}

SakinioVertejas Vertejas(Aplinka& aplinka) {
  return [&aplinka, pora = std::make_shared<SakiniuPora>()](std::string_view sakinys,
                                                            std::vector<std::string>& isvestis) {
    Versti(aplinka, sakinys, *pora, isvestis);
  };
}

}  // namespace

void ParuostiSaltini(std::string_view sakinys, TSakinys& saltinis) {
  SkaidytiZodzius(sakinys, saltinis);
  ValytiSaltini(saltinis);
  IsskleistiSutrumpinimus(saltinis);
}

void VerstiSakini(Aplinka& aplinka, std::string_view sakinys, std::vector<std::string>& isvestis) {
  SakiniuPora pora;
  Versti(aplinka, sakinys, pora, isvestis);
}

EiluciuVertimas::EiluciuVertimas(Aplinka& aplinka) : vertejas_(Vertejas(aplinka)) {}

EiluciuVertimas::EiluciuVertimas(SakinioVertejas vertejas) : vertejas_(std::move(vertejas)) {}

std::string EiluciuVertimas::Versti(std::string_view eilute) {
  sakiniai_.clear();
  skaidytojas_.SkaidytiEilute(eilute, sakiniai_);
  return VerstiSakinius(vertejas_, sakiniai_);
}

bool EiluciuVertimas::Baigti(std::string& eilute) {
  if (skaidytojas_.Likutis().empty()) return false;
  eilute = VerstiLikuti(vertejas_, skaidytojas_.Likutis());
  return true;
}

void VerstiEilutes(const SakinioVertejas& vertejas, const EiluciuSaltinis& anglu,
                   EiluciuPriimtuvas& lietuviu) {
  EiluciuVertimas vertimas(vertejas);
  const int eiluciuSk = anglu.EiluciuSk();
  for (int i = 0; i < eiluciuSk; ++i) lietuviu.PridetiEilute(vertimas.Versti(anglu.Eilute(i)));
  std::string likutis;
  if (vertimas.Baigti(likutis)) lietuviu.PridetiEilute(likutis);
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
