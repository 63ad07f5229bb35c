// Any bytes as English text, translated automatically line by line and as one text with a small
// dictionary: one Lithuanian line for every English line, and no line break inside one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "lexicon/zodyno_tekstas.h"
#include "lexicon/zodyno_failai.h"
#include "translation/eiluciu_sarasai.h"
#include "translation/vertimas.h"

namespace {

kervosta::Aplinka& Busena() {
  static kervosta::Aplinka aplinka = [] {
    kervosta::Aplinka a;
    a.AutomatinisVertimas = 1;
    kervosta::UzpildytiVidiniusIrasus(a.Zodynai);
    kervosta::SkaitytiZodynoTeksta(
        "pos=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\n"
        "pos=1\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
        "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\tp1=2\tq=4\n"
        "pos=3\ten=go|goes|went|gone|going\tlt=eiti\tstem=ei\tpres=ein\tpast=ėj\tp1=3\tp2=1\n"
        "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
        "pos=7\ten=the\npos=7\ten=a\npos=8\tattr=2\ten=near\tlt=prie\n"
        "pos=13\tcat=0\ten=two|two|2\tlt=du\tstem=du\tp1=5\tp2=5\n"
        "pos=2\tattr=6\ten=this\tlt=šis\tstem=š\tp1=1\tp3=1\n",
        a.Zodynai.PagrindinisZodynas);
    return a;
  }();
  return aplinka;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys, std::size_t dydis) {
  using namespace kervosta;
  const std::string tekstas(reinterpret_cast<const char*>(duomenys), dydis);
  std::vector<std::string> eilutes;
  for (std::size_t pradzia = 0;;) {
    const std::size_t galas = tekstas.find('\n', pradzia);
    eilutes.push_back(tekstas.substr(pradzia, galas == std::string::npos ? std::string::npos : galas - pradzia));
    if (galas == std::string::npos) break;
    pradzia = galas + 1;
  }
  const EiluciuSarasas anglu(eilutes);
  EiluciuKaupiklis lietuviu;
  VerstiEilutes(Busena(), anglu, lietuviu);
  if (lietuviu.Eilutes.size() < eilutes.size()) std::abort();
  for (const std::string& eilute : lietuviu.Eilutes)
    if (eilute.find('\n') != std::string::npos) std::abort();
  (void)VerstiTeksta(Busena(), tekstas);
  return 0;
}
