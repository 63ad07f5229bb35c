#include "morphology/netaisyklingi_zodziai.h"

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

namespace {

constexpr int BetKuri = -1;  // a row for every paradigm

struct NetaisyklingasZodis {
  ZodzioSeima Seima;
  std::string_view Kamienas;        // as stored in the entry
  int Paradigma;
  std::string_view GalunesPradzia;  // the endings concerned begin so; "" is every ending
  std::string_view NaujasKamienas;
  std::string_view NaujaPradzia;    // stands for GalunesPradzia
  bool VisaGalune = false;          // GalunesPradzia is the whole ending
};

constexpr NetaisyklingasZodis NetaisyklingiZodziai[] = {
    // šuo, šuns, šuniui, šunį ... šunys, šunų: the e of vanduo's endings is u.
    {ZodzioSeima::Daiktavardis, "š"_lt, 15, "e", "šu"_lt, ""},
    {ZodzioSeima::Laipsnis, "didel", BetKuri, "", "did", ""},
    {ZodzioSeima::Laipsnis, "nedidel", BetKuri, "", "nedid", ""},
    // -is nouns whose genitive plural is -ų, not -ių.
    {ZodzioSeima::Daiktavardis, "ašmen"_lt, 12, "ių"_lt, "ašmen"_lt, "ų"_lt},
    {ZodzioSeima::Daiktavardis, "aus", 12, "ių"_lt, "aus", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "dant", 13, "ių"_lt, "dant", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "debes", 13, "ių"_lt, "debes", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "duomen", 12, "ių"_lt, "duomen", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "dur", 12, "ių"_lt, "dur", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "grind", 12, "ių"_lt, "grind", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "nakt", 12, "ių"_lt, "nakt", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "puš"_lt, 12, "ių"_lt, "puš"_lt, "ų"_lt},
    {ZodzioSeima::Daiktavardis, "smegen", 12, "ių"_lt, "smegen", "ų"_lt},
    {ZodzioSeima::Daiktavardis, "šakn"_lt, 12, "ių"_lt, "šakn"_lt, "ų"_lt},
    {ZodzioSeima::Daiktavardis, "šlaun"_lt, 12, "ių"_lt, "šlaun"_lt, "ų"_lt},
    {ZodzioSeima::Daiktavardis, "žuv"_lt, 12, "ių"_lt, "žuv"_lt, "ų"_lt},
    {ZodzioSeima::Daiktavardis, "žąs"_lt, 12, "ių"_lt, "žąs"_lt, "ų"_lt},
    // įgysiu, įgysi, but įgis.
    {ZodzioSeima::Busimasis, "įgy"_lt, 0, "s", "įgi"_lt, "s", true},
};

}  // namespace

SandurosDalys NetaisyklingosDalys(ZodzioSeima seima, std::string_view kamienas, int paradigma,
                                  std::string_view galune) {
  for (const NetaisyklingasZodis& z : NetaisyklingiZodziai)
    if (z.Seima == seima && z.Kamienas == kamienas &&
        (z.Paradigma == BetKuri || z.Paradigma == paradigma) &&
        (z.VisaGalune ? galune == z.GalunesPradzia : galune.starts_with(z.GalunesPradzia)))
      return {z.NaujasKamienas,
              std::string(z.NaujaPradzia).append(galune.substr(z.GalunesPradzia.size()))};
  return {kamienas, std::string(galune)};
}

}  // namespace kervosta
