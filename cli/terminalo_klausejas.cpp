#include "cli/terminalo_klausejas.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "analysis/aplinka.h"
#include "core/cp1257.h"

namespace kervosta::cli {

namespace {

constexpr const char* TerminaloFailas = "/dev/tty";

std::string_view DaliesVardas(std::uint8_t kalbosDalis) {
  static constexpr std::array<std::string_view, 15> vardai = {
      "noun",        "pronoun",     "verb",      "adverb",      "adjective",
      "auxiliary",   "determiner",  "preposition", "separator", "conjunction",
      "unknown",     "participle",  "numeral",   "pronoun",     "pronoun"};
  return kalbosDalis < vardai.size() ? vardai[kalbosDalis] : "unknown";
}

void RodytiKlausima(std::uint8_t rezimas, const std::string& sakinioTekstas,
                    const std::string& zodis, const TZodziuList& kandidatai, std::ostream& out) {
  out << '\n'
      << (rezimas == rezNezinomas ? "Unknown" : "Ambiguous") << " word \"" << IUtf8(zodis)
      << "\" in: " << IUtf8(sakinioTekstas) << '\n';
  for (int i = 0; i < kandidatai.Kiekis(); ++i)
    out << "  " << i + 1 << "  " << IUtf8(kandidatai[i].Liet) << " ("
        << DaliesVardas(kandidatai[i].KalbosDalis) << ")\n";
}

void RodytiPrasyma(const std::string& zodis, int kiekis, int numatytas, std::ostream& out) {
  if (kiekis > 0)
    out << "Choose 1-" << kiekis << "; Enter takes "
        << (numatytas > 0 ? std::to_string(numatytas) : std::string("the automatic choice"))
        << ", a keeps \"" << IUtf8(zodis) << "\" in English, q stops asking: ";
  else
    out << "Enter or a keeps \"" << IUtf8(zodis) << "\" in English, q stops asking: ";
  out.flush();
}

// The candidate number in the answer, or 0 when it is not one of 1..kiekis.
int Numeris(std::string_view atsakymas, int kiekis) {
  int numeris = 0;
  const auto [galas, klaida] =
      std::from_chars(atsakymas.data(), atsakymas.data() + atsakymas.size(), numeris);
  if (klaida != std::errc() || galas != atsakymas.data() + atsakymas.size()) return 0;
  return numeris >= 1 && numeris <= kiekis ? numeris : 0;
}

std::string_view BeTarpu(std::string_view tekstas) {
  constexpr std::string_view tarpai = " \t\r";
  const auto pradzia = tekstas.find_first_not_of(tarpai);
  if (pradzia == std::string_view::npos) return {};
  return tekstas.substr(pradzia, tekstas.find_last_not_of(tarpai) - pradzia + 1);
}

}  // namespace

int TerminaloKlausejas::Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas,
                                const std::string& zodis, int numatytas, Aplinka& aplinka) {
  const TZodziuList& kandidatai = aplinka.Variantai.Zodziai;
  const int kiekis = kandidatai.Kiekis();
  const int numatytasis = numatytas >= 1 && numatytas <= kiekis ? numatytas : NeraPasirinkimo;
  RodytiKlausima(rezimas, sakinioTekstas, zodis, kandidatai, out_);
  for (;;) {
    RodytiPrasyma(zodis, kiekis, numatytasis, out_);
    std::string eilute;
    if (!std::getline(in_, eilute)) {
      out_ << '\n';
      return numatytasis;
    }
    const std::string_view atsakymas = BeTarpu(eilute);
    if (atsakymas.empty()) return numatytasis;
    if (atsakymas == "a") return PaliktiAngliska;
    if (atsakymas == "q") {
      aplinka.AutomatinisVertimas = 1;
      out_ << "Correction is off from the next sentence on.\n";
      return numatytasis;
    }
    if (const int numeris = Numeris(atsakymas, kiekis); numeris > 0) return numeris;
    out_ << "Please answer with a number from the list, Enter, a or q.\n";
  }
}

Terminalas::Terminalas() {
  in_.open(TerminaloFailas);
  if (in_.is_open()) out_.open(TerminaloFailas);
  if (!in_.is_open() || !out_.is_open()) {
    const int klaida = errno;
    throw NeraTerminalo(std::string("--correct asks on a terminal, and there is none (") +
                        TerminaloFailas + ": " + std::strerror(klaida) + ")");
  }
}

}  // namespace kervosta::cli
