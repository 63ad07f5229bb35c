#include "lexicon/failo_klaidos.h"

#include <cerrno>
#include <string>

namespace kervosta {

FailasNerastas::FailasNerastas() : FailoKlaida("File not found") {}
PrieigaUzdrausta::PrieigaUzdrausta() : FailoKlaida("File access denied") {}
DiskasPilnas::DiskasPilnas() : FailoKlaida("Disk full") {}
SkaitymasUzPabaigos::SkaitymasUzPabaigos() : FailoKlaida("Read beyond end of file") {}
NeFailas::NeFailas() : FailoKlaida("Not a regular file") {}
PerDidelisFailas::PerDidelisFailas() : FailoKlaida("File too large") {}
IvestiesIsvestiesKlaida::IvestiesIsvestiesKlaida(int kodas)
    : FailoKlaida("I/O error " + std::to_string(kodas)), kodas_(kodas) {}

void MestiFailoKlaida(int sistemosKodas) {
  switch (sistemosKodas) {
    case ENOENT:
      throw FailasNerastas();
    case EACCES:
    case EPERM:
    case EROFS:
      throw PrieigaUzdrausta();
    case ENOSPC:
    case EDQUOT:
      throw DiskasPilnas();
    case EISDIR:
      throw NeFailas();
    default:
      throw IvestiesIsvestiesKlaida(sistemosKodas);
  }
}

}  // namespace kervosta
