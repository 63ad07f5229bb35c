#include "lexicon/zodyno_tekstas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace kervosta {

namespace {

struct SkaiciausRaktas {
  std::string_view raktas;
  SkaiciausLaukas laukas;
};

struct TekstoRaktas {
  std::string_view raktas;
  TekstoLaukas laukas;
};

// Keys in the order of a line; `en` comes between `attr` and `ennum`, `raw` last.
constexpr std::array<SkaiciausRaktas, 3> PriesAngliskus = {{
    {"pos", SkaiciausLaukas::DaliesKodas},
    {"cat", SkaiciausLaukas::Kategorija},
    {"attr", SkaiciausLaukas::Pozymis},
}};
constexpr std::array<TekstoLaukas, 5> Angliski = {TekstoLaukas::Angl1, TekstoLaukas::Angl2,
                                                  TekstoLaukas::Angl3, TekstoLaukas::Angl4,
                                                  TekstoLaukas::Angl5};
constexpr SkaiciausRaktas AnglSkaiciausRaktas = {"ennum", SkaiciausLaukas::AnglSkaicius};
constexpr std::array<TekstoRaktas, 5> Lietuviski = {{
    {"lt", TekstoLaukas::LietZodis},
    {"stem", TekstoLaukas::Kamienas},
    {"pres", TekstoLaukas::EsamasKamienas},
    {"past", TekstoLaukas::ButasKamienas},
    {"fut", TekstoLaukas::BusimasKamienas},
}};
constexpr std::array<SkaiciausRaktas, 4> Paradigmos = {{
    {"p1", SkaiciausLaukas::Paradigma1},
    {"p2", SkaiciausLaukas::Paradigma2},
    {"p3", SkaiciausLaukas::Paradigma3},
    {"q", SkaiciausLaukas::Klausimas},
}};

// Part-of-speech names accepted for `pos` besides the codes 1..13.
constexpr std::array<std::string_view, 13> DaliuVardai = {
    "noun",        "pronoun",   "verb",    "adverb",     "adjective", "auxiliary", "determiner",
    "preposition", "separator", "conjunction", "unknown", "participle", "numeral"};

// ---- record to text ----

void PridetiLauka(std::string& eilute, std::string_view raktas, std::string_view reiksme) {
  if (!eilute.empty()) eilute += '\t';
  eilute += raktas;
  eilute += '=';
  eilute += reiksme;
}

void PridetiSkaiciu(std::string& eilute, const ZodynoIrasas& irasas, SkaiciausRaktas r) {
  if (const std::int32_t reiksme = irasas.Skaicius(r.laukas))
    PridetiLauka(eilute, r.raktas, std::to_string(reiksme));
}

bool YraValdymoZenklu(std::string_view tekstas) {
  return std::any_of(tekstas.begin(), tekstas.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

// A text field as a readable value; one with a control character (which no value may hold) is
// left to the raw bytes.
std::string Skaitomas(const ZodynoIrasas& irasas, TekstoLaukas laukas) {
  std::string tekstas = irasas.Tekstas(laukas);
  return YraValdymoZenklu(tekstas) ? std::string() : tekstas;
}

std::string AngliskosFormos(const ZodynoIrasas& irasas) {
  std::size_t kiek = Angliski.size();
  while (kiek > 0 && Skaitomas(irasas, Angliski[kiek - 1]).empty()) --kiek;
  std::string reiksme;
  for (std::size_t i = 0; i < kiek; ++i) {
    if (i) reiksme += '|';
    reiksme += UzkoduotiReiksme(Skaitomas(irasas, Angliski[i]));
  }
  return reiksme;
}

// The bytes where `tikras` differs from `israiskos`, as runs "OFFSET:HEX" joined by ','.
std::string Skirtumai(const ZodynoIrasas& tikras, const ZodynoIrasas& israiskos) {
  const auto& a = tikras.Duomenys();
  const auto& b = israiskos.Duomenys();
  std::string raw;
  for (std::size_t i = 0; i < a.size();) {
    if (a[i] == b[i]) {
      ++i;
      continue;
    }
    if (!raw.empty()) raw += ',';
    raw += std::to_string(i) + ':';
    for (; i < a.size() && a[i] != b[i]; ++i) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02x", a[i]);
      raw += hex;
    }
  }
  return raw;
}

// ---- text to record ----

std::int32_t SkaiciusIsTeksto(std::string_view raktas, std::string_view reiksme) {
  std::int32_t skaicius = 0;
  const auto [galas, klaida] =
      std::from_chars(reiksme.data(), reiksme.data() + reiksme.size(), skaicius);
  if (reiksme.empty() || klaida != std::errc() || galas != reiksme.data() + reiksme.size())
    throw TekstoKlaida("'" + std::string(raktas) + "' needs a 32-bit integer, not '" +
                       std::string(reiksme) + "'");
  return skaicius;
}

std::int32_t DaliesKodasIsTeksto(std::string_view reiksme) {
  for (std::size_t i = 0; i < DaliuVardai.size(); ++i)
    if (DaliuVardai[i] == reiksme) return static_cast<std::int32_t>(i + 1);
  return SkaiciusIsTeksto("pos", reiksme);
}

void NustatytiTekstaIsTeksto(ZodynoIrasas& irasas, TekstoLaukas laukas, std::string_view raktas,
                             std::string_view reiksme) {
  const std::string baitai = DekoduotiReiksme(reiksme);
  if (baitai.size() > ZodynoIrasas::TekstoTalpa)
    throw TekstoKlaida("'" + std::string(raktas) + "' is longer than 32 characters");
  // A line break or another control character in a word would break the lines it is printed in.
  if (YraValdymoZenklu(baitai))
    throw TekstoKlaida("'" + std::string(raktas) + "' holds a control character");
  irasas.NustatytiTeksta(laukas, baitai);
}

void NustatytiAngliskas(ZodynoIrasas& irasas, std::string_view reiksme) {
  const auto formos = SkaidytiPagalBruksni(reiksme);
  if (formos.size() > Angliski.size()) throw TekstoKlaida("'en' holds more than 5 forms");
  for (std::size_t i = 0; i < formos.size(); ++i)
    NustatytiTekstaIsTeksto(irasas, Angliski[i], "en", formos[i]);
}

std::optional<std::size_t> DesimtainisSkaicius(std::string_view tekstas) {
  std::size_t skaicius = 0;
  const auto [galas, klaida] =
      std::from_chars(tekstas.data(), tekstas.data() + tekstas.size(), skaicius);
  if (tekstas.empty() || klaida != std::errc() || galas != tekstas.data() + tekstas.size())
    return std::nullopt;
  return skaicius;
}

// One OFFSET:HEX run written over the bytes.
void TaikytiAtkarpa(ZodynoIrasas::Baitai& baitai, std::string_view atkarpa) {
  const std::size_t dvitaskis = atkarpa.find(':');
  const std::optional<std::size_t> pradzia =
      dvitaskis == std::string_view::npos ? std::nullopt
                                          : DesimtainisSkaicius(atkarpa.substr(0, dvitaskis));
  const std::string_view hex = pradzia ? atkarpa.substr(dvitaskis + 1) : std::string_view();
  if (!pradzia || hex.empty() || hex.size() % 2 != 0)
    throw TekstoKlaida("'raw' needs OFFSET:HEX runs joined by ',', not '" + std::string(atkarpa) +
                       "'");
  const std::size_t poslinkis = *pradzia;
  if (poslinkis > baitai.size() || hex.size() / 2 > baitai.size() - poslinkis)
    throw TekstoKlaida("'raw' run '" + std::string(atkarpa) + "' reaches past byte 459");
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    unsigned baitas = 0;
    const auto [galas, klaida] = std::from_chars(hex.data() + i, hex.data() + i + 2, baitas, 16);
    if (klaida != std::errc() || galas != hex.data() + i + 2)
      throw TekstoKlaida("'raw' holds a bad hexadecimal byte in '" + std::string(atkarpa) + "'");
    baitai[poslinkis + i / 2] = static_cast<std::uint8_t>(baitas);
  }
}

void TaikytiBaitus(ZodynoIrasas::Baitai& baitai, std::string_view reiksme) {
  for (std::size_t pradzia = 0;;) {
    const std::size_t galas = std::min(reiksme.find(',', pradzia), reiksme.size());
    TaikytiAtkarpa(baitai, reiksme.substr(pradzia, galas - pradzia));
    if (galas == reiksme.size()) return;
    pradzia = galas + 1;
  }
}

std::optional<SkaiciausLaukas> SkaiciausLaukasPagalRakta(std::string_view raktas) {
  for (const auto& r : PriesAngliskus)
    if (r.raktas == raktas) return r.laukas;
  if (raktas == AnglSkaiciausRaktas.raktas) return AnglSkaiciausRaktas.laukas;
  for (const auto& r : Paradigmos)
    if (r.raktas == raktas) return r.laukas;
  return std::nullopt;
}

std::optional<TekstoLaukas> TekstoLaukasPagalRakta(std::string_view raktas) {
  for (const auto& r : Lietuviski)
    if (r.raktas == raktas) return r.laukas;
  return std::nullopt;
}

// Sets one field; returns false for a key the format does not have.
bool NustatytiLauka(ZodynoIrasas& irasas, std::string_view raktas, std::string_view reiksme) {
  if (raktas == "pos") {
    irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, DaliesKodasIsTeksto(reiksme));
  } else if (raktas == "en") {
    NustatytiAngliskas(irasas, reiksme);
  } else if (const auto skaicius = SkaiciausLaukasPagalRakta(raktas)) {
    irasas.NustatytiSkaiciu(*skaicius, SkaiciusIsTeksto(raktas, reiksme));
  } else if (const auto tekstas = TekstoLaukasPagalRakta(raktas)) {
    NustatytiTekstaIsTeksto(irasas, *tekstas, raktas, reiksme);
  } else {
    return false;
  }
  return true;
}

bool Tuscia(std::string_view eilute) {
  return eilute.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

std::string IrasasITeksta(const ZodynoIrasas& irasas) {
  std::string eilute;
  for (const auto& r : PriesAngliskus) PridetiSkaiciu(eilute, irasas, r);
  if (const std::string en = AngliskosFormos(irasas); !en.empty()) PridetiLauka(eilute, "en", en);
  PridetiSkaiciu(eilute, irasas, AnglSkaiciausRaktas);
  for (const auto& r : Lietuviski)
    if (const std::string t = Skaitomas(irasas, r.laukas); !t.empty())
      PridetiLauka(eilute, r.raktas, UzkoduotiReiksme(t));
  for (const auto& r : Paradigmos) PridetiSkaiciu(eilute, irasas, r);
  if (eilute.empty()) eilute = "pos=0";
  const ZodynoIrasas israiskos = IrasasIsTeksto(eilute);
  if (const std::string raw = Skirtumai(irasas, israiskos); !raw.empty())
    PridetiLauka(eilute, "raw", raw);
  return eilute;
}

ZodynoIrasas IrasasIsTeksto(std::string_view eilute) {
  ZodynoIrasas irasas;
  std::optional<std::string_view> raw;
  std::vector<std::string_view> matyti;
  std::size_t pradzia = 0;
  while (pradzia <= eilute.size()) {
    std::size_t galas = eilute.find('\t', pradzia);
    if (galas == std::string_view::npos) galas = eilute.size();
    const std::string_view laukas = eilute.substr(pradzia, galas - pradzia);
    pradzia = galas + 1;
    if (laukas.empty()) continue;
    const std::size_t lygu = laukas.find('=');
    if (lygu == std::string_view::npos)
      throw TekstoKlaida("field '" + std::string(laukas) + "' has no '='");
    const std::string_view raktas = laukas.substr(0, lygu);
    const std::string_view reiksme = laukas.substr(lygu + 1);
    for (const std::string_view buves : matyti)
      if (buves == raktas) throw TekstoKlaida("key '" + std::string(raktas) + "' given twice");
    matyti.push_back(raktas);
    if (raktas == "raw") raw = reiksme;
    else if (!NustatytiLauka(irasas, raktas, reiksme))
      throw TekstoKlaida("unknown key '" + std::string(raktas) + "'");
  }
  if (matyti.empty()) throw TekstoKlaida("a record line without fields");
  // Byte overrides apply last, over whatever the fields wrote.
  if (raw) {
    ZodynoIrasas::Baitai baitai = irasas.Duomenys();
    TaikytiBaitus(baitai, *raw);
    irasas = ZodynoIrasas(baitai);
  }
  return irasas;
}

ZodynoTekstoKlaida::ZodynoTekstoKlaida(int eilute, const std::string& priezastis)
    : TekstoKlaida("line " + std::to_string(eilute) + ": " + priezastis),
      eilute_(eilute),
      priezastis_(priezastis) {}

void SkaitytiZodynoTeksta(std::string_view tekstas, ZodynoSarasas& sarasas) {
  // Editors may begin a UTF-8 file with a byte-order mark; it is no part of the first key.
  if (tekstas.starts_with("\xEF\xBB\xBF")) tekstas.remove_prefix(3);
  int numeris = 0;
  std::size_t pradzia = 0;
  while (pradzia < tekstas.size()) {
    std::size_t galas = tekstas.find('\n', pradzia);
    if (galas == std::string_view::npos) galas = tekstas.size();
    std::string_view eilute = tekstas.substr(pradzia, galas - pradzia);
    pradzia = galas + 1;
    ++numeris;
    if (eilute.ends_with('\r')) eilute.remove_suffix(1);
    if (Tuscia(eilute) || eilute.starts_with('#')) continue;
    try {
      sarasas.Prideti(IrasasIsTeksto(eilute));
    } catch (const TekstoKlaida& klaida) {
      throw ZodynoTekstoKlaida(numeris, klaida.what());
    }
  }
}

}  // namespace kervosta
