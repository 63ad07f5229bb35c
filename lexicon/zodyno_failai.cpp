#include "lexicon/zodyno_failai.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kervosta {

namespace {

constexpr std::size_t IrasuBuferyje = 256;

// An open file descriptor, closed on every path out. Uzdaryti() reports a failed close, which
// on some file systems is the first sign that written data did not reach the disk.
class Deskriptorius {
 public:
  explicit Deskriptorius(int fd) : fd_(fd) {}
  Deskriptorius(Deskriptorius&& kitas) noexcept : fd_(std::exchange(kitas.fd_, -1)) {}
  Deskriptorius(const Deskriptorius&) = delete;
  Deskriptorius& operator=(const Deskriptorius&) = delete;
  ~Deskriptorius() {
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }
  void Uzdaryti() {
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && errno != EINTR) MestiFailoKlaida(errno);
  }

 private:
  int fd_;
};

Deskriptorius Atidaryti(const std::filesystem::path& failas, int veiksena, mode_t teises = 0) {
  for (;;) {
    const int fd = ::open(failas.c_str(), veiksena | O_CLOEXEC, teises);
    if (fd >= 0) return Deskriptorius(fd);
    if (errno != EINTR) MestiFailoKlaida(errno);
  }
}

// Only a regular file of at most this many records is read: a device or a pipe may never end.
constexpr off_t DidziausiasFailas = static_cast<off_t>(ZodynoIrasas::Dydis) * 2'000'000;

// A folder, a device or a pipe is refused before anything is read, so the list that loading
// would empty is kept. The file is opened without blocking, so a pipe with no writer cannot hang
// the program.
Deskriptorius AtidarytiSkaityti(const std::filesystem::path& failas) {
  Deskriptorius fd = Atidaryti(failas, O_RDONLY | O_NONBLOCK);
  struct stat busena {};
  if (::fstat(fd.fd(), &busena) != 0) MestiFailoKlaida(errno);
  if (!S_ISREG(busena.st_mode)) throw NeFailas();
  if (busena.st_size > DidziausiasFailas) throw PerDidelisFailas();
  ::fcntl(fd.fd(), F_SETFL, ::fcntl(fd.fd(), F_GETFL) & ~O_NONBLOCK);
  return fd;
}

void RasytiViska(int fd, std::span<const std::uint8_t> baitai, off_t pozicija) {
  while (!baitai.empty()) {
    const ssize_t n = ::pwrite(fd, baitai.data(), baitai.size(), pozicija);
    if (n < 0) {
      if (errno == EINTR) continue;
      MestiFailoKlaida(errno);
    }
    baitai = baitai.subspan(static_cast<std::size_t>(n));
    pozicija += n;
  }
}

// Some file systems cannot sync at all (EINVAL); the data is then as safe as they make it.
void Sinchronizuoti(int fd) {
  if (::fsync(fd) != 0 && errno != EINVAL && errno != EINTR) MestiFailoKlaida(errno);
}

// Reads whole records to the list's tail, numbering them from `pirmasNr` when it is not 0.
// A file that ends inside a record keeps the records before it and then fails.
void SkaitytiIrasus(int fd, ZodynoSarasas& sarasas, std::int32_t pirmasNr) {
  std::vector<std::uint8_t> buferis(IrasuBuferyje * ZodynoIrasas::Dydis);
  std::size_t turima = 0;
  std::int32_t nr = pirmasNr;
  for (;;) {
    const ssize_t n = ::read(fd, buferis.data() + turima, buferis.size() - turima);
    if (n < 0) {
      if (errno == EINTR) continue;
      MestiFailoKlaida(errno);
    }
    if (n == 0) break;
    turima += static_cast<std::size_t>(n);
    std::size_t pradzia = 0;
    for (; turima - pradzia >= ZodynoIrasas::Dydis; pradzia += ZodynoIrasas::Dydis) {
      const std::span<const std::uint8_t, ZodynoIrasas::Dydis> irasas(&buferis[pradzia],
                                                                      ZodynoIrasas::Dydis);
      ZodynoMazgas* mazgas = sarasas.Prideti(ZodynoIrasas(irasas));
      if (nr) mazgas->Nr = nr++;
    }
    std::memmove(buferis.data(), buferis.data() + pradzia, turima - pradzia);
    turima -= pradzia;
  }
  if (turima != 0) throw SkaitymasUzPabaigos();
}

// A symbolic link is saved through, so the link itself stays in place.
std::filesystem::path IssaugojimoTikslas(const std::filesystem::path& failas) {
  std::error_code klaida;
  if (std::filesystem::is_symlink(failas, klaida)) {
    const auto tikslas = std::filesystem::weakly_canonical(failas, klaida);
    if (!klaida) return tikslas;
  }
  return failas;
}

// A file that exists under the target's name must be a regular file: a save never replaces a
// folder, a device or a pipe with a dictionary.
void TikrintiTiksla(const std::filesystem::path& tikslas) {
  struct stat busena {};
  if (::stat(tikslas.c_str(), &busena) == 0 && !S_ISREG(busena.st_mode)) throw NeFailas();
}

// Temporary files of earlier saves to the same target that never finished (the program was
// killed midway) are removed; they hold nothing the target lacks.
void PasalintiSenusLaikinus(const std::filesystem::path& tikslas) {
  const std::string pradzia = "." + tikslas.filename().string() + ".";
  const std::filesystem::path katalogas =
      tikslas.has_parent_path() ? tikslas.parent_path() : std::filesystem::path(".");
  std::error_code klaida;
  for (const auto& irasas : std::filesystem::directory_iterator(katalogas, klaida)) {
    const std::string vardas = irasas.path().filename().string();
    if (vardas.starts_with(pradzia) && vardas.ends_with(".tmp") &&
        vardas.find_first_not_of("0123456789", pradzia.size()) == vardas.size() - 4 &&
        vardas.size() > pradzia.size() + 4)
      std::filesystem::remove(irasas.path(), klaida);
  }
}

// Creates an empty file beside `tikslas` under a fresh name, with the target's permissions
// when the target exists.
std::pair<Deskriptorius, std::filesystem::path> SukurtiLaikinaFaila(
    const std::filesystem::path& tikslas) {
  struct stat senas {};
  const bool yraSenas = ::stat(tikslas.c_str(), &senas) == 0;
  std::random_device atsitiktinis;
  for (int bandymas = 0;; ++bandymas) {
    std::filesystem::path laikinas = tikslas;
    laikinas.replace_filename("." + tikslas.filename().string() + "." +
                              std::to_string(atsitiktinis()) + ".tmp");
    const int fd = ::open(laikinas.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      Deskriptorius deskriptorius(fd);
      if (yraSenas) ::fchmod(fd, senas.st_mode & 07777);
      return {std::move(deskriptorius), std::move(laikinas)};
    }
    if (errno == EINTR || (errno == EEXIST && bandymas < 100)) continue;
    MestiFailoKlaida(errno);
  }
}

void RasytiSarasa(int fd, const ZodynoSarasas& sarasas) {
  std::vector<std::uint8_t> buferis;
  buferis.reserve(IrasuBuferyje * ZodynoIrasas::Dydis);
  off_t pozicija = 0;
  const auto israsyti = [&] {
    RasytiViska(fd, buferis, pozicija);
    pozicija += static_cast<off_t>(buferis.size());
    buferis.clear();
  };
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) {
    buferis.insert(buferis.end(), m->Duomenys.Duomenys().begin(), m->Duomenys.Duomenys().end());
    if (buferis.size() >= IrasuBuferyje * ZodynoIrasas::Dydis) israsyti();
  }
  israsyti();
  Sinchronizuoti(fd);
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail a save
// whose file is already complete.
void SinchronizuotiKatalogaTyliai(const std::filesystem::path& failas) {
  const std::filesystem::path katalogas =
      failas.has_parent_path() ? failas.parent_path() : std::filesystem::path(".");
  const int fd = ::open(katalogas.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void IkeltiZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas) {
  Deskriptorius fd = AtidarytiSkaityti(failas);
  sarasas.Isvalyti();
  SkaitytiIrasus(fd.fd(), sarasas, 1);
}

void ImportuotiZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas) {
  Deskriptorius fd = AtidarytiSkaityti(failas);
  SkaitytiIrasus(fd.fd(), sarasas, 0);
}

void IssaugotiZodyna(const std::filesystem::path& failas, const ZodynoSarasas& sarasas) {
  const std::filesystem::path tikslas = IssaugojimoTikslas(failas);
  TikrintiTiksla(tikslas);
  // A file the user may not write is not replaced behind their back.
  if (::access(tikslas.c_str(), W_OK) != 0 && errno != ENOENT) MestiFailoKlaida(errno);
  PasalintiSenusLaikinus(tikslas);
  auto [fd, laikinas] = SukurtiLaikinaFaila(tikslas);
  try {
    RasytiSarasa(fd.fd(), sarasas);
    fd.Uzdaryti();
    if (::rename(laikinas.c_str(), tikslas.c_str()) != 0) MestiFailoKlaida(errno);
  } catch (...) {
    ::unlink(laikinas.c_str());
    throw;
  }
  SinchronizuotiKatalogaTyliai(tikslas);
}

void PridetiIZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas,
                    const ZodynoIrasas& irasas) {
  TikrintiTiksla(failas);
  Deskriptorius fd = Atidaryti(failas, O_WRONLY);
  struct stat busena {};
  if (::fstat(fd.fd(), &busena) != 0) MestiFailoKlaida(errno);
  // The record goes after the last whole record, so a broken tail is overwritten rather than
  // shifting every later record out of step.
  const off_t dydis = busena.st_size;
  const off_t pozicija = dydis - dydis % static_cast<off_t>(ZodynoIrasas::Dydis);
  try {
    RasytiViska(fd.fd(), irasas.Duomenys(), pozicija);
    Sinchronizuoti(fd.fd());
  } catch (...) {
    // Takes back a partial record; should that fail too, the write error is still the one to
    // report.
    static_cast<void>(::ftruncate(fd.fd(), dydis) == 0);
    throw;
  }
  fd.Uzdaryti();
  sarasas.Prideti(irasas);
}

void IkeltiPagrindiniZodyna(ZodynuRinkinys& zodynai) {
  IkeltiZodyna(zodynai.ProgramosKatalogas / PagrindinioZodynoFailas, zodynai.PagrindinisZodynas);
  zodynai.PagrindinisPakeistas = false;
}

void IssaugotiPagrindiniZodyna(ZodynuRinkinys& zodynai) {
  IssaugotiZodyna(zodynai.ProgramosKatalogas / PagrindinioZodynoFailas,
                  zodynai.PagrindinisZodynas);
  zodynai.PagrindinisPakeistas = false;
}

}  // namespace kervosta
