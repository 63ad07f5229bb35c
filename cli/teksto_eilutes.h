// An English text for a subcommand, from a file or standard input, read a line at a time as it
// arrives and turned from UTF-8 into Windows-1257: a command answers each line before the next
// one is read and never holds the whole text.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "cli/failo_skaitymas.h"

namespace kervosta::cli {

class TekstoEilutes {
 public:
  // Standard input.
  TekstoEilutes();
  // The file; FailoSkaitymoKlaida "cannot read 'FILE': reason" when it cannot be opened.
  explicit TekstoEilutes(const std::string& failas);
  ~TekstoEilutes();
  TekstoEilutes(const TekstoEilutes&) = delete;
  TekstoEilutes& operator=(const TekstoEilutes&) = delete;

  // The next line, without its line feed and a carriage return before it; text after the last
  // line feed is one more line, and an empty text has none. A byte-order mark at the start is no
  // text. False at the end. Throws FailoSkaitymoKlaida when reading fails or the text is not
  // UTF-8 ("NAME: malformed UTF-8 at byte offset N", counted from the start of the text).
  bool Kita(std::string& eilute);

  // The characters read so far that Windows-1257 cannot hold, written as '?'.
  std::size_t Pakeista() const { return pakeista_; }

 private:
  std::FILE* failas_;
  bool savas_;        // opened here, closed here; standard input is left open
  std::string vardas_;  // "standard input" or the file's name, for messages
  char* buferis_ = nullptr;
  std::size_t talpa_ = 0;
  std::size_t poslinkis_ = 0;  // bytes before the next line
  std::size_t pakeista_ = 0;
};

}  // namespace kervosta::cli
