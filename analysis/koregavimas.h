// The question that translation with correction asks when a word has no translation or several.
// The desktop program answers it with its word dialog; the command-line tool on a terminal; tests
// with scripted answers.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace kervosta {

struct Aplinka;

// Dialog modes.
inline constexpr std::uint8_t rezDaugiaprasmis = 0;  // several candidates
inline constexpr std::uint8_t rezNezinomas = 1;      // no candidate
inline constexpr std::uint8_t rezPaieska = 2;        // search results (dictionary browser)

// Answers besides a 1-based candidate.
inline constexpr int NeraPasirinkimo = 0;
inline constexpr int PaliktiAngliska = -1;  // leave the word untranslated
inline constexpr int AtsauktiVertima = -2;  // stop the whole run here

// Ends a translation run whose question was answered with AtsauktiVertima. What the run had
// already handed on (whole lines) stays; the line being translated is dropped.
class VertimasAtsauktas : public std::exception {
 public:
  const char* what() const noexcept override { return "translation cancelled"; }
};

class KoregavimoKlausejas {
 public:
  virtual ~KoregavimoKlausejas() = default;

  // Shows the candidates of `aplinka.Variantai` for the word (`rezimas` is the dialog mode,
  // `DialogoRezimas`; `zodis` the English word, which is also the word a new entry starts from,
  // `NaujasZodis`) and returns the chosen one, 1-based, or 0 for none (`PasirinktasVariantas`).
  // `numatytas` is the candidate automatic lookup takes, 1-based: the one to offer when the user
  // just goes on; 0 when it takes none of them (an unknown word, a name read from the context).
  // With none, an unknown word keeps its English text and an ambiguous word takes what
  // automatic lookup takes; `PaliktiAngliska` keeps the English text in both modes;
  // `AtsauktiVertima` stops the run. An answer may add a user-dictionary entry and refill
  // `aplinka.Variantai` before choosing, and may switch correction off by setting
  // `aplinka.AutomatinisVertimas` to 1.
  virtual int Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas,
                      const std::string& zodis, int numatytas, Aplinka& aplinka) = 0;
};

}  // namespace kervosta
