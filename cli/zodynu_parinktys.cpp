#include "cli/zodynu_parinktys.h"

#include <system_error>

#include "lexicon/zodyno_failai.h"

namespace kervosta::cli {

namespace {

namespace fs = std::filesystem;

// "main.zod" here, else the one beside the program.
std::optional<fs::path> NumatytasisZodynas() {
  std::error_code klaida;
  const fs::path cia = fs::current_path(klaida) / PagrindinioZodynoFailas;
  if (!klaida && fs::exists(cia, klaida)) return cia;
  const fs::path programa = fs::read_symlink("/proc/self/exe", klaida);
  if (klaida) return std::nullopt;
  const fs::path salia = programa.parent_path() / PagrindinioZodynoFailas;
  if (fs::exists(salia, klaida)) return salia;
  return std::nullopt;
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
  std::optional<fs::path>* laukas = vardas == "--dictionary"        ? &parinktys.Zodynas
                                    : vardas == "--user-dictionary" ? &parinktys.VartotojoZodynas
                                                                    : nullptr;
  if (laukas == nullptr) return false;
  if (i + 1 == argumentai.size())
    throw ZodynoParinktiesKlaida("option '" + vardas + "' needs a FILE");
  *laukas = argumentai[++i];
  return true;
}

std::optional<fs::path> PagrindinisZodynas(const ZodynuParinktys& parinktys) {
  return parinktys.Zodynas ? parinktys.Zodynas : NumatytasisZodynas();
}

void IkeltiZodynus(const ZodynuParinktys& parinktys, ZodynuRinkinys& zodynai) {
  UzpildytiVidiniusIrasus(zodynai);
  const std::optional<fs::path> zodynas = PagrindinisZodynas(parinktys);
  if (zodynas) Ikelti(*zodynas, zodynai.PagrindinisZodynas);
  if (parinktys.VartotojoZodynas) Ikelti(*parinktys.VartotojoZodynas, zodynai.VartotojoZodynas);
}

}  // namespace kervosta::cli
