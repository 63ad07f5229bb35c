#include "analysis/grupavimo_etiketes.h"

#include <array>

#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;

constexpr std::array<std::string_view, 8> Zymes = {
    "Daikt.F."_lt, "Veiksm.F."_lt, "Priel.F."_lt,     "Priev.F."_lt,
    "Kita.F."_lt,  "Skyr/Junk.F."_lt, "Neap.F."_lt, "Tarnyb.F."_lt,
};

constexpr std::array<std::string_view, 8> Aprasai = {
    "Daiktavardžio grupė"_lt,     "Veiksmažodžio grupė"_lt, "Prielinksnio grupė"_lt,
    "Prieveiksmio grupė"_lt,      "Kitų kalbos dalių grupė"_lt, ""_lt,
    "Nežinoma grupė"_lt,          "Tarnybinė grupė"_lt,
};

constexpr std::array<std::string_view, 8> Funkcijos = {
    "Tiesioginis papildinys"_lt, "Subjektas - veiksnys"_lt, "Netiesioginis papildinys"_lt,
    "Vardinė tarinio dalis"_lt,  "Aplinkybės"_lt,           "Pažyminys"_lt,
    "Neapibrėžtas"_lt,           ""_lt,
};

template <std::size_t N>
std::string_view Is(const std::array<std::string_view, N>& lentele, std::uint8_t kodas) {
  return kodas < N ? lentele[kodas] : std::string_view{};
}

}  // namespace

std::string_view GrupesZyme(std::uint8_t tipas) { return Is(Zymes, tipas); }
std::string_view GrupesAprasas(std::uint8_t tipas) { return Is(Aprasai, tipas); }
std::string_view FunkcijosTekstas(std::uint8_t funkcija) { return Is(Funkcijos, funkcija); }

}  // namespace kervosta
