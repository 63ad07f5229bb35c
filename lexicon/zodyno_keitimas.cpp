#include "lexicon/zodyno_keitimas.h"

#include <algorithm>
#include <vector>

#include "lexicon/zodyno_failai.h"

namespace kervosta {

namespace {
void PazymetiPakeista(ZodynuRinkinys& zodynai) {
  (zodynai.VartotojoRezimas ? zodynai.VartotojoPakeistas : zodynai.PagrindinisPakeistas) = true;
}
}  // namespace

std::filesystem::path NumatytasVartotojoZodynas(const ZodynuRinkinys& zodynai) {
  return zodynai.ProgramosKatalogas / "Dictionaries" / "vartotojo.dic";
}

ZodynoMazgas* RastiAnalogiska(const ZodynoSarasas& sarasas, const ZodynoIrasas& irasas) {
  for (ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas)
    if (Analogiski(m->Duomenys, irasas)) return m;
  return nullptr;
}

void PridetiIrasa(ZodynuRinkinys& zodynai, const ZodynoIrasas& irasas) {
  if (zodynai.VartotojoRezimas) {
    zodynai.VartotojoZodynas.Prideti(irasas);
    zodynai.VartotojoPakeistas = true;
    return;
  }
  // The main dictionary's file takes a new entry at once, so the list stays as the file has it.
  PridetiIZodyna(zodynai.ProgramosKatalogas / PagrindinioZodynoFailas, zodynai.PagrindinisZodynas,
                 irasas);
}

void PakeistiIrasa(ZodynuRinkinys& zodynai, ZodynoMazgas& mazgas, const ZodynoIrasas& irasas) {
  if (mazgas.Duomenys == irasas) return;
  mazgas.Duomenys = irasas;
  zodynai.Pasirinktas().Pakeista();
  PazymetiPakeista(zodynai);
}

void TrintiIrasa(ZodynuRinkinys& zodynai, ZodynoMazgas* mazgas) {
  if (!mazgas) return;
  zodynai.Pasirinktas().Pasalinti(mazgas);
  PazymetiPakeista(zodynai);
}

void RusiuotiZodyna(ZodynuRinkinys& zodynai) {
  std::vector<ZodynoMazgas*> mazgai;
  for (ZodynoMazgas* m = zodynai.Pasirinktas().Galva(); m; m = m->Kitas) mazgai.push_back(m);
  std::vector<ZodynoIrasas> irasai;
  irasai.reserve(mazgai.size());
  for (const ZodynoMazgas* m : mazgai) irasai.push_back(m->Duomenys);
  // Stable, so the senses of one headword keep the order that decides which one automatic
  // translation takes.
  std::stable_sort(irasai.begin(), irasai.end(), [](const ZodynoIrasas& a, const ZodynoIrasas& b) {
    return a.Vaizdas(TekstoLaukas::Angl1) < b.Vaizdas(TekstoLaukas::Angl1);
  });
  bool pakeista = false;
  for (std::size_t i = 0; i < mazgai.size(); ++i) {
    if (mazgai[i]->Duomenys == irasai[i]) continue;
    mazgai[i]->Duomenys = irasai[i];
    pakeista = true;
  }
  if (!pakeista) return;
  zodynai.Pasirinktas().Pakeista();
  PazymetiPakeista(zodynai);
}

void IkeltiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas) {
  // Read aside first: a file that breaks off midway must not cost the list it was to replace.
  ZodynoSarasas naujas;
  IkeltiZodyna(failas, naujas);
  zodynai.VartotojoZodynas = std::move(naujas);
  zodynai.VartotojoZodynoFailas = failas;
  zodynai.VartotojoPakeistas = false;
}

void ImportuotiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas) {
  const ZodynoMazgas* uodega = zodynai.VartotojoZodynas.Uodega();
  try {
    ImportuotiZodyna(failas, zodynai.VartotojoZodynas);
  } catch (...) {
    if (zodynai.VartotojoZodynas.Uodega() != uodega) zodynai.VartotojoPakeistas = true;
    throw;
  }
  if (zodynai.VartotojoZodynas.Uodega() != uodega) zodynai.VartotojoPakeistas = true;
}

void IssaugotiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas) {
  if (failas.has_parent_path()) {
    std::error_code klaida;
    std::filesystem::create_directories(failas.parent_path(), klaida);
    if (klaida) MestiFailoKlaida(klaida.value());
  }
  IssaugotiZodyna(failas, zodynai.VartotojoZodynas);
  zodynai.VartotojoZodynoFailas = failas;
  zodynai.VartotojoPakeistas = false;
}

}  // namespace kervosta
