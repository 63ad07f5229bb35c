// kervosta-cli page: a web page, from a file or an http:// address, with its text translated
// and its markup kept, written as UTF-8 HTML.
#include <ostream>
#include <string>
#include <vector>

#include "cli/argumentai.h"
#include "cli/failo_skaitymas.h"
#include "cli/http_gavimas.h"
#include "cli/isvedimas.h"
#include "cli/komandos.h"
#include "translation/puslapio_koduote.h"
#include "translation/puslapio_vertimas.h"

namespace kervosta::cli {

namespace {

constexpr std::string_view Pavadinimas = "kervosta-cli page";

void RasytiPagalba(std::ostream& out) {
  out << "Usage: " << Pavadinimas << " [OPTIONS] FILE|URL\n"
         "Translates a web page automatically and prints it as UTF-8 HTML: every run of text\n"
         "between tags is translated, while tags, comments, scripts and styles are kept as they\n"
         "are. The page is read in the character set it declares (HTTP header or <meta>), else\n"
         "as UTF-8 when it is valid UTF-8, else as Windows-1257. URL: an http:// address\n"
         "(redirects are followed; https:// is not supported, save such a page and give the\n"
         "file).\n\n"
         "Options:\n"
      << ZodynuParinkciuPagalba << "  -h, --help               show this help\n";
}

bool Adresas(const std::string& saltinis) {
  return saltinis.find("://") != std::string::npos;
}

int Vykdyti(const std::vector<std::string>& argumentai, Srautai& srautai) {
  Argumentai a;
  if (const auto pabaiga = PradetiKomanda(argumentai, srautai, Pavadinimas, RasytiPagalba, a))
    return *pabaiga;
  if (a.Kiti.size() != 1) return Naudojimas(srautai, Pavadinimas, "name one FILE or URL");
  const std::string& saltinis = a.Kiti.front();

  std::string puslapis, tipas;
  try {
    if (Adresas(saltinis)) {
      HttpAtsakymas atsakymas = GautiHttp(saltinis);
      puslapis = std::move(atsakymas.Kunas);
      tipas = std::move(atsakymas.TurinioTipas);
    } else {
      puslapis = SkaitytiFaila(saltinis);
    }
  } catch (const std::runtime_error& klaida) {
    return Pranesti(srautai, Pavadinimas, klaida.what(), IsejimasFailas);
  }
  Aplinka aplinka;
  aplinka.AutomatinisVertimas = 1;
  if (!IkeltiZodynus(a.Zodynai, aplinka.Zodynai, srautai, Pavadinimas)) return IsejimasFailas;
  srautai.out << VerstiPuslapi(aplinka, PuslapisUtf8(puslapis, DeklaruotaKoduote(tipas, puslapis)));
  return IsejimasGerai;
}

const Registracija registracija({"page", "translate a web page from a file or an http:// address",
                                 Vykdyti});

}  // namespace

}  // namespace kervosta::cli
