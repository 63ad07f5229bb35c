// The entry editor's pages as plain values: what each page holds, the record it saves, the values
// it shows for a record, what keeps it from saving, and the English forms it fills in while the
// user types. All texts are Windows-1257.
//
// A chooser value is the position of the chosen label in its list (morphology/etiketes.h, the
// paradigm and class lists of the ending tables); -1 is a chooser with nothing chosen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/kodai.h"
#include "lexicon/zodyno_irasas.h"

namespace kervosta {

// Page codes (`PuslapioKodas`): the record part-of-speech code minus one of the page's words.
inline constexpr std::uint8_t pkDaiktavardis = dDaiktavardis;
inline constexpr std::uint8_t pkIvardis = dIvardis;
inline constexpr std::uint8_t pkVeiksmazodis = dVeiksmazodis;
inline constexpr std::uint8_t pkBudvardis = dBudvardis;
inline constexpr std::uint8_t pkKita = dNezinoma;
inline constexpr std::uint8_t pkSkaitvardis = dSkaitvardis;

// The page a record is edited on: that of its part of speech, or the page of the other parts of
// speech for every code without a page of its own.
std::uint8_t PuslapioKodas(const ZodynoIrasas& irasas);

struct DaiktavardzioLaukai {
  std::string Vienaskaita{};
  std::string Daugiskaita{};
  int AnglSkaicius = 0;  // 0 both numbers, 1 singular only, 2 plural only
  bool Tikrinis = false;
  std::string Kamienas{};
  int Kategorija = 0;
  int Gimine = 0;
  int LietSkaicius = 0;  // as AnglSkaicius, for the Lithuanian word
  int Linksniuote = 0;
};

struct BudvardzioLaukai {
  std::string Paprasta{};
  bool MoreMost = true;  // compared with "more" and "most"
  std::string Aukstesnysis{};
  std::string Auksciausiasis{};
  std::string Kamienas{};
  int VyrLinksniuote = 0;
  int MotLinksniuote = 0;
};

struct VeiksmazodzioLaukai {
  std::string Bendratis{};
  std::string TreciasisAsmuo{};
  bool Taisyklingas = true;
  std::string AntraForma{};   // past simple
  std::string TreciaForma{};  // past participle
  std::string IngForma{};
  std::string Kamienas{};    // infinitive stem
  int BendratiesGalune = 0;  // the infinitive ending shown; the future class follows it
  int Klausimas = 0;
  int Kategorija = 0;
  std::string EsamasKamienas{};
  int EsamojoKlase = 0;
  std::string ButasKamienas{};
  int ButojoKlase = 0;
  std::string BusimasKamienas{};
  int BusimojoKlase = 0;
};

struct IvardzioLaukai {
  std::string Angliskas{};
  std::string Kamienas{};  // the whole word when the pronoun is not declined
  int Rusis = 0;
  bool Linksniuojamas = false;
  int Linksniuote = 0;
};

struct SkaitvardzioLaukai {
  int Tipas = 0;  // srKiekinis or srKelintinis
  std::string Vienaskaita{};
  std::string Daugiskaita{};
  std::string Skaitmenys{};
  std::string Kamienas{};
  int Klausimas = 0;
  bool Kaitomas = false;  // a cardinal that declines; ordinals always do
  int KiekinioLinksniuote = 0;
  int KelintinioLinksniuote = 0;
};

struct KitoZodzioLaukai {
  int KalbosDalis = 0;  // record code minus one
  int Klausimas = 0;
  std::string Angliskas{};
  std::string Lietuviskas{};
};

// One page's values; the alternatives follow the editor's tab order.
using IrasoLaukai = std::variant<DaiktavardzioLaukai, BudvardzioLaukai, VeiksmazodzioLaukai,
                                 IvardzioLaukai, SkaitvardzioLaukai, KitoZodzioLaukai>;

// The record the page saves: zero-filled, then the page's fields, with `LietZodis` the citation
// form built from the new record (the word as typed on the page of the other parts of speech).
ZodynoIrasas SudarytiIrasa(const IrasoLaukai& laukai);

// The values of the record's page (see PuslapioKodas), as the editor shows them when changing it.
IrasoLaukai IkeltiLaukus(const ZodynoIrasas& irasas);

// Why the page's values cannot be saved, as the message to show, or nothing when they can: an
// empty English headword, a text that the record cannot hold whole, a paradigm or class the
// page needs that is not in its list, a part of speech that has a page of its own.
std::optional<std::string> LaukuKlaida(const IrasoLaukai& laukai);

// English forms filled in while the user types; none for an empty word.
std::string AnglDaugiskaita(std::string_view vienaskaita);
std::string TreciasisAsmuo(std::string_view bendratis);
std::string IngForma(std::string_view bendratis);
// The past simple and the past participle, which an irregular verb starts with as the infinitive.
std::string ButojiForma(std::string_view bendratis, bool taisyklingas);

}  // namespace kervosta
