// The translation driver: English lines or text in, Lithuanian lines or text out, sentence by
// sentence through the fixed stages of the pipeline. All text is Windows-1257.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/aplinka.h"

namespace kervosta {

// The English lines to translate (the upper editor, a file, a test).
class EiluciuSaltinis {
 public:
  virtual ~EiluciuSaltinis() = default;
  virtual int EiluciuSk() const = 0;
  virtual std::string Eilute(int i) const = 0;
};

// Where the Lithuanian lines go, one call per line.
class EiluciuPriimtuvas {
 public:
  virtual ~EiluciuPriimtuvas() = default;
  virtual void PridetiEilute(const std::string& eilute) = 0;
};

// Translates one sentence and appends its rendered line, if it has any text, to `isvestis`.
void VerstiSakini(Aplinka& aplinka, std::string_view sakinys, std::vector<std::string>& isvestis);

// Appends exactly one Lithuanian line per English line: the sentences completed on that line,
// joined. A sentence that runs over several lines is translated on the line where it ends.
// Text left after the last sentence is translated as one more line. A correction question
// answered with AtsauktiVertima ends the run with VertimasAtsauktas; the lines appended before
// it stay.
void VerstiEilutes(Aplinka& aplinka, const EiluciuSaltinis& anglu, EiluciuPriimtuvas& lietuviu);

// The sentences of the text and its unfinished tail, translated and joined into one string.
std::string VerstiTeksta(Aplinka& aplinka, std::string_view tekstas);

// The same two drivers over any per-sentence translation; the ones above use VerstiSakini.
using SakinioVertejas =
    std::function<void(std::string_view sakinys, std::vector<std::string>& isvestis)>;
void VerstiEilutes(const SakinioVertejas& vertejas, const EiluciuSaltinis& anglu,
                   EiluciuPriimtuvas& lietuviu);
std::string VerstiTeksta(const SakinioVertejas& vertejas, std::string_view tekstas);

}  // namespace kervosta
