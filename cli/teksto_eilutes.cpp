#include "cli/teksto_eilutes.h"

#include <sys/types.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/cp1257.h"

namespace kervosta::cli {

namespace {

FailoSkaitymoKlaida NeperskaitomasFailas(const std::string& vardas, int kodas) {
  return FailoSkaitymoKlaida("cannot read '" + vardas + "': " + std::strerror(kodas));
}

}  // namespace

TekstoEilutes::TekstoEilutes() : failas_(stdin), savas_(false), vardas_("standard input") {}

TekstoEilutes::TekstoEilutes(const std::string& failas)
    : failas_(std::fopen(failas.c_str(), "rb")), savas_(true), vardas_(failas) {
  if (failas_ == nullptr) throw NeperskaitomasFailas(vardas_, errno);
}

TekstoEilutes::~TekstoEilutes() {
  std::free(buferis_);
  if (savas_) std::fclose(failas_);
}

bool TekstoEilutes::Kita(std::string& eilute) {
  errno = 0;
  const ssize_t ilgis = ::getdelim(&buferis_, &talpa_, '\n', failas_);
  if (ilgis < 0) {
    if (!std::ferror(failas_)) return false;
    const int kodas = errno != 0 ? errno : EIO;
    if (savas_) throw NeperskaitomasFailas(vardas_, kodas);
    throw FailoSkaitymoKlaida("cannot read " + vardas_ + ": " + std::strerror(kodas));
  }
  std::string_view utf8(buferis_, static_cast<std::size_t>(ilgis));
  if (utf8.ends_with('\n')) utf8.remove_suffix(1);
  if (utf8.ends_with('\r')) utf8.remove_suffix(1);
  Cp1257Tekstas tekstas;
  try {
    tekstas = IsUtf8(utf8);
  } catch (const NetinkamasUtf8& klaida) {
    const NetinkamasUtf8 tekste(poslinkis_ + klaida.Poslinkis());
    throw FailoSkaitymoKlaida(vardas_ + ": " + tekste.what());
  }
  // The mark is one character that Windows-1257 cannot hold: dropped, not counted.
  if (poslinkis_ == 0 && utf8.starts_with("\xEF\xBB\xBF")) {
    tekstas.Tekstas.erase(0, 1);
    --tekstas.Pakeista;
  }
  poslinkis_ += static_cast<std::size_t>(ilgis);
  pakeista_ += tekstas.Pakeista;
  eilute = std::move(tekstas.Tekstas);
  return true;
}

}  // namespace kervosta::cli
