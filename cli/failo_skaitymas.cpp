#include "cli/failo_skaitymas.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kervosta::cli {

std::string SkaitytiFaila(const std::filesystem::path& failas) {
  const auto klaida = [&](int kodas) {
    return FailoSkaitymoKlaida("cannot read '" + failas.string() + "': " + std::strerror(kodas));
  };
  std::FILE* f = std::fopen(failas.c_str(), "rb");
  if (f == nullptr) throw klaida(errno);
  std::string turinys;
  char buferis[1 << 16];
  std::size_t n;
  while ((n = std::fread(buferis, 1, sizeof buferis, f)) > 0) turinys.append(buferis, n);
  const int kodas = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (kodas != 0) throw klaida(kodas);
  return turinys;
}

}  // namespace kervosta::cli
