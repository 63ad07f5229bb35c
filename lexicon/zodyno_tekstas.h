// The dictionary as text a person can read and edit: one record a line, every field that is not
// 0 or empty written as key=value, fields separated by TAB, in this order:
//   pos cat attr en ennum lt stem pres past fut p1 p2 p3 q raw
// `en` holds the five English forms joined by '|'. `raw` lists the bytes that the fields cannot
// express (reserved bytes, string tails, length bytes above 32) as OFFSET:HEX runs joined by ',',
// so that any record survives text and back byte for byte. A record with nothing set is "pos=0".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "lexicon/teksto_reiksme.h"
#include "lexicon/zodyno_irasas.h"
#include "lexicon/zodyno_sarasas.h"

namespace kervosta {

// UTF-8 text of one record, without a line end.
std::string IrasasITeksta(const ZodynoIrasas& irasas);

// The record of one line. Throws TekstoKlaida when the line is malformed.
ZodynoIrasas IrasasIsTeksto(std::string_view eilute);

// A malformed line of a dictionary text, with its 1-based number.
class ZodynoTekstoKlaida : public TekstoKlaida {
 public:
  ZodynoTekstoKlaida(int eilute, const std::string& priezastis);
  int Eilute() const { return eilute_; }
  // What is wrong, without the line number.
  const std::string& Priezastis() const { return priezastis_; }

 private:
  int eilute_;
  std::string priezastis_;
};

// Appends the record of every line to the list; blank lines and lines starting with '#' are
// skipped. Throws ZodynoTekstoKlaida at the first malformed line; the list then holds the records
// of the lines before it.
void SkaitytiZodynoTeksta(std::string_view tekstas, ZodynoSarasas& sarasas);

}  // namespace kervosta
