// Typed file errors. what() is the message the user sees, the same words for every caller.
#pragma once

#include <stdexcept>

namespace kervosta {

class FailoKlaida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "File not found"
class FailasNerastas : public FailoKlaida {
 public:
  FailasNerastas();
};

// "File access denied"
class PrieigaUzdrausta : public FailoKlaida {
 public:
  PrieigaUzdrausta();
};

// "Disk full"
class DiskasPilnas : public FailoKlaida {
 public:
  DiskasPilnas();
};

// "Read beyond end of file": the file ends inside a record.
class SkaitymasUzPabaigos : public FailoKlaida {
 public:
  SkaitymasUzPabaigos();
};

// "Not a regular file": a folder, a device or a pipe where a dictionary file was expected.
class NeFailas : public FailoKlaida {
 public:
  NeFailas();
};

// "File too large": more than a dictionary can hold.
class PerDidelisFailas : public FailoKlaida {
 public:
  PerDidelisFailas();
};

// "I/O error %d" with the system's error number.
class IvestiesIsvestiesKlaida : public FailoKlaida {
 public:
  explicit IvestiesIsvestiesKlaida(int kodas);
  int Kodas() const { return kodas_; }

 private:
  int kodas_;
};

// Throws the typed error for a system error number (errno).
[[noreturn]] void MestiFailoKlaida(int sistemosKodas);

}  // namespace kervosta
