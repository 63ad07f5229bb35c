// Ending tables of the verb builder and the class label lists the entry editor offers.
//
// All texts are Windows-1257. A class number stored in an entry is the position of its label in
// the label list and selects a row of six endings, one a person (aš, tu, jis/ji, mes, jūs,
// jie/jos). The future class also selects the infinitive, conditional and imperative rows.
// Participle tables hold a masculine then a feminine half, each the six singular cases then the
// six plural cases. An empty ending leaves the bare stem.
#pragma once

#include <array>
#include <string_view>

namespace kervosta {

inline constexpr int EsamojoLaikoKlasiu = 8;   // 0..3 plain, 4..7 their reflexive counterparts
inline constexpr int ButojoLaikoKlasiu = 4;    // 0..1 plain, 2..3 reflexive
inline constexpr int BusimojoLaikoKlasiu = 3;  // 1 reflexive; 2 stems already ending in "s"
inline constexpr int DalyvioGaluniu = 24;      // 2 genders x 2 numbers x 6 cases

// The reflexive rows of a class table: from the first, so many. The plain row of a reflexive one
// is as far from row 0 as the reflexive row is from the first (mokosi, 7, and rašo, 3).
struct SangrazinesKlases {
  int Pirmoji;
  int Kiek;
  constexpr bool Yra(int klase) const { return klase >= Pirmoji && klase < Pirmoji + Kiek; }
  constexpr int Paprasta(int klase) const { return Yra(klase) ? klase - Pirmoji : klase; }
};
inline constexpr SangrazinesKlases EsamojoSangrazines{4, 4};
inline constexpr SangrazinesKlases ButojoSangrazines{2, 2};
inline constexpr SangrazinesKlases BusimojoSangrazines{1, 1};

inline constexpr int EsamojoOKlase = 3;          // the present in -o (rašo)
inline constexpr int ButojoEKlase = 1;           // the past in -ė (kalė)
inline constexpr int BusimojoSKamienoKlase = 2;  // stems that hold the future s already (mes)

extern const std::array<std::string_view, 6 * EsamojoLaikoKlasiu> EsamojoLaikoGalunes;
extern const std::array<std::string_view, EsamojoLaikoKlasiu> EsamojoLaikoAsmenuotes;

// Row 0 also serves every verb after the frequentative "dav".
extern const std::array<std::string_view, 6 * ButojoLaikoKlasiu> ButojoLaikoGalunes;
extern const std::array<std::string_view, ButojoLaikoKlasiu> ButojoLaikoAsmenuotes;

// In class 2 the third persons are the bare stem (mes).
extern const std::array<std::string_view, 6 * BusimojoLaikoKlasiu> BusimojoLaikoGalunes;
extern const std::array<std::string_view, BusimojoLaikoKlasiu> BusimojoLaikoAsmenuotes;

// Indexed by the future class.
extern const std::array<std::string_view, BusimojoLaikoKlasiu> BendratiesGalunes;
extern const std::array<std::string_view, 6 * BusimojoLaikoKlasiu> TariamosiosGalunes;
// Persons 1, 3 and 6 are empty: the first person has no imperative, and the third persons are
// made with "tegul " from the present tense.
extern const std::array<std::string_view, 6 * BusimojoLaikoKlasiu> LiepiamosiosGalunes;

// Active participles: present (after the third-person present ending), past, past frequentative
// (the "dav" is part of the ending), future.
extern const std::array<std::string_view, DalyvioGaluniu> VeikEsamojoDalyvioGalunes;
extern const std::array<std::string_view, DalyvioGaluniu> VeikButojoDalyvioGalunes;
extern const std::array<std::string_view, DalyvioGaluniu> VeikDazninioDalyvioGalunes;
extern const std::array<std::string_view, DalyvioGaluniu> VeikBusimojoDalyvioGalunes;

// Passive participles: present (after the third-person present ending) and past.
extern const std::array<std::string_view, DalyvioGaluniu> NeveikEsamojoDalyvioGalunes;
extern const std::array<std::string_view, DalyvioGaluniu> NeveikButojoDalyvioGalunes;

}  // namespace kervosta
