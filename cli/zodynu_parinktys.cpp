#include "cli/zodynu_parinktys.h"

#include <string>
#include <system_error>

#include "lexicon/zodyno_failai.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

// "main.zod" here, else the one beside the program; without either, an error naming both.
fs::path NumatytasisZodynas() {
  std::error_code klaida;
  const fs::path cia = fs::current_path(klaida) / PagrindinioZodynoFailas;
  if (!klaida && fs::exists(cia, klaida)) return cia;
  std::string kur = "'" + cia.string() + "'";  // the places looked in
  const fs::path programa = fs::read_symlink("/proc/self/exe", klaida);
  if (!klaida) {
    const fs::path salia = programa.parent_path() / PagrindinioZodynoFailas;
    if (fs::exists(salia, klaida)) return salia;
    if (salia != cia) kur += " and '" + salia.string() + "'";
  }
  throw ZodynoSkaitymoKlaida("no dictionary found (looked for " + kur +
                             "); name one with --dictionary FILE, or run without one with "
                             "--no-dictionary");
}

void Ikelti(const fs::path& failas, ZodynoSarasas& sarasas) {
  try {
    IkeltiZodyna(failas, sarasas);
  } catch (const FailoKlaida& klaida) {
    throw ZodynoSkaitymoKlaida("'" + failas.string() + "': " + klaida.what());
  }
}

}  // namespace

bool ImtiZodynoParinkti(const std::vector<std::string>& argumentai, std::size_t& i,
                        ZodynuParinktys& parinktys) {
  const std::string& vardas = argumentai[i];
  if (vardas == "--no-dictionary") {  // the last of the main dictionary options holds
    parinktys.BeZodyno = true;
    parinktys.Zodynas.reset();
    return true;
  }
  std::optional<fs::path>* laukas = vardas == "--dictionary"        ? &parinktys.Zodynas
                                    : vardas == "--user-dictionary" ? &parinktys.VartotojoZodynas
                                                                    : nullptr;
  if (laukas == nullptr) return false;
  if (i + 1 == argumentai.size())
    throw ZodynoParinktiesKlaida("option '" + vardas + "' needs a FILE");
  *laukas = argumentai[++i];
  if (laukas == &parinktys.Zodynas) parinktys.BeZodyno = parinktys.Zodynas->empty();
  return true;
}

void IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai) {
  UzpildytiVidiniusIrasus(zodynai);
  if (!parinktys.BeZodyno)
    Ikelti(parinktys.Zodynas ? *parinktys.Zodynas : NumatytasisZodynas(),
           zodynai.PagrindinisZodynas);
  if (parinktys.VartotojoZodynas) Ikelti(*parinktys.VartotojoZodynas, zodynai.VartotojoZodynas);
}

}  // namespace kervosta::cli
