// The translation driver: English lines or text in, Lithuanian lines or text out, sentence by
// sentence through the fixed stages of the pipeline. All text is Windows-1257.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/aplinka.h"
#include "analysis/segmentavimas.h"

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

// The English words of a sentence as translation takes them: cut into tokens, the empty ones
// dropped, the contractions expanded.
void ParuostiSaltini(std::string_view sakinys, TSakinys& saltinis);

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

// What VerstiEilutes does, one line at a time, for lines that arrive one by one (a stream): each
// line's translation is ready before the next line is read, and no line is kept.
class EiluciuVertimas {
 public:
  explicit EiluciuVertimas(Aplinka& aplinka);
  explicit EiluciuVertimas(SakinioVertejas vertejas);
  // The Lithuanian line of the next English line.
  std::string Versti(std::string_view eilute);
  // After the last line: the line of the text left after the last sentence; false when none is
  // left.
  bool Baigti(std::string& eilute);

 private:
  SakinioVertejas vertejas_;
  SakiniuSkaidytojas skaidytojas_;  // carries the unfinished text of the lines before
  std::vector<std::string> sakiniai_;
};

}  // namespace kervosta
