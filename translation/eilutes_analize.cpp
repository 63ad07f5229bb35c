#include "translation/eilutes_analize.h"

#include "analysis/grupavimas.h"
#include "analysis/sakinio_paieska.h"
#include "analysis/segment_sutrumpinimai.h"
#include "analysis/segmentavimas.h"
#include "translation/generavimas.h"

namespace kervosta {

bool AnalizuotiEilute(Aplinka& aplinka, std::string_view tekstas, EilutesAnalize& analize) {
  analize.Saltinis.Zodziai.Isvalyti();
  analize.Vertinys.Zodziai.Isvalyti();
  analize.Grupes = SGList{};
  SkaidytiZodzius(tekstas, analize.Saltinis);
  if (analize.Saltinis.Kiekis() == 0) return false;
  ValytiSaltini(analize.Saltinis);
  IsskleistiSutrumpinimus(analize.Saltinis);
  SurastiAutomatiskai(aplinka, analize.Saltinis);
  AnalizuotiSakiniLangui(aplinka, analize.Saltinis, analize.Vertinys, analize.Grupes);
  ValytiVerti(analize.Vertinys);
  GeneruotiSakini(aplinka, analize.Vertinys);
  return true;
}

}  // namespace kervosta
