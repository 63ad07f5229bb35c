// Translation with correction on a terminal: the questions about unknown and ambiguous words go
// to the user's terminal while the text comes from files or standard input.
#pragma once

#include <fstream>
#include <iosfwd>
#include <stdexcept>

#include "analysis/koregavimas.h"

namespace kervosta::cli {

// Asks on a pair of text streams, UTF-8. The candidates are numbered; an empty answer takes the
// one automatic translation would take (an unknown word keeps its English text), "a" keeps the
// English text, "q" switches correction off from the next sentence on and takes the same as an
// empty answer. Anything else is asked again; the end of the input counts as an empty answer.
class TerminaloKlausejas : public KoregavimoKlausejas {
 public:
  TerminaloKlausejas(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas, const std::string& zodis,
              int numatytas, Aplinka& aplinka) override;

 private:
  std::istream& in_;
  std::ostream& out_;
};

// No terminal to ask on; what() says so.
class NeraTerminalo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The process's terminal, opened for the questions. Throws NeraTerminalo without one.
class Terminalas {
 public:
  Terminalas();
  KoregavimoKlausejas& Klausejas() { return klausejas_; }

 private:
  std::ifstream in_;
  std::ofstream out_;
  TerminaloKlausejas klausejas_{in_, out_};
};

}  // namespace kervosta::cli
