// Looked-up words for the analysis tests, built directly: a few built-in words with the
// features the built-in recogniser gives them and a handful of dictionary words.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/sakinys.h"

namespace kervosta::testai {

inline TZodis Zodis(std::string angl, std::uint8_t dalis, std::string liet = "x") {
  TZodis z;
  z.Angl = std::move(angl);
  z.KalbosDalis = dalis;
  z.Liet = std::move(liet);
  return z;
}

// A form of a built-in verb record (1 am, 2 be, 3 is, 5 do, 6 have).
inline TZodis VidinisVeiksm(std::string angl, int nr, std::uint8_t forma, std::uint8_t linksnis) {
  TZodis z = Zodis(std::move(angl), dVeiksmazodis, "vid");
  z.Vidinis = 1;
  z.Nr = nr;
  z.AnglForma = forma;
  z.Laikas = forma == 2 || forma == 5 ? 2 : 3;
  z.Linksnis = linksnis;
  z.Asmuo = nr == 1 ? 1 : nr == 2 ? 6 : 3;
  return z;
}

// A dictionary verb form; a past participle comes from the lookup as passive.
inline TZodis Veiksm(std::string angl, std::uint8_t forma, std::uint8_t linksnis = 3) {
  TZodis z = Zodis(std::move(angl), dVeiksmazodis);
  z.AnglForma = forma;
  z.Laikas = forma == 2 || forma == 5 ? 2 : 3;
  z.Veikiamoji = forma == 4 ? 0 : 1;
  z.Linksnis = linksnis;
  return z;
}

inline TZodis Daikt(std::string angl, std::uint8_t gimine = 1, std::uint8_t skaicius = 0) {
  TZodis z = Zodis(std::move(angl), dDaiktavardis);
  z.Gimine = gimine;
  z.Skaicius = skaicius;
  return z;
}

inline TZodis AsmIvardis(std::string angl, std::uint8_t dalis, int nr, std::uint8_t linksnis,
                         std::uint8_t asmuo, std::uint8_t skaicius) {
  TZodis z = Zodis(std::move(angl), dalis);
  z.Vidinis = 1;
  z.Nr = nr;
  z.Linksnis = linksnis;
  z.Asmuo = asmuo;
  z.Skaicius = skaicius;
  z.Laikas = 2;
  return z;
}

// The English word as the lookup would leave it.
inline TZodis Rasti(std::string_view w) {
  const std::string s(w);
  // Modals and "not": built in, auxiliary, no Lithuanian text.
  for (std::string_view m : {"shall", "will", "should", "would", "not"})
    if (w == m) {
      TZodis z = Zodis(s, dPagalbinis, "");
      z.Vidinis = 1;
      return z;
    }
  if (w == "am") return VidinisVeiksm(s, 1, 2, 0);
  if (w == "be" || w == "are") return VidinisVeiksm(s, 2, 2, 0);
  if (w == "is") return VidinisVeiksm(s, 3, 2, 0);
  if (w == "was") return VidinisVeiksm(s, 3, 3, 0);
  if (w == "been") return VidinisVeiksm(s, 3, 4, 0);
  if (w == "being") return VidinisVeiksm(s, 3, 5, 0);
  if (w == "do" || w == "does") return VidinisVeiksm(s, 5, 2, 3);
  if (w == "did") return VidinisVeiksm(s, 5, 3, 3);
  if (w == "done") return VidinisVeiksm(s, 5, 4, 3);
  if (w == "have" || w == "has") return VidinisVeiksm(s, 6, 2, 3);
  if (w == "had") return VidinisVeiksm(s, 6, 4, 3);
  // Contractions the tokeniser left whole count as words of their own.
  for (std::string_view k : {"didn't", "doesn't", "don't", "isn't", "aren't", "wasn't",
                             "haven't", "hasn't", "won't", "shan't", "wouldn't", "shouldn't"})
    if (w == k) return Zodis(s, dNezinoma, s);
  if (w == "i") return AsmIvardis(s, dAsmVardininkas, 1, 0, 1, 0);
  if (w == "you") return AsmIvardis(s, dAsmVardininkas, 6, 0, 5, 1);
  if (w == "he") return AsmIvardis(s, dAsmVardininkas, 3, 0, 3, 0);
  if (w == "they") return AsmIvardis(s, dAsmVardininkas, 7, 0, 6, 1);
  if (w == "him") return AsmIvardis(s, dAsmKitas, 3, 2, 3, 0);
  if (w == "them") return AsmIvardis(s, dAsmKitas, 7, 3, 6, 1);
  if (w == "his") return AsmIvardis(s, dAsmKitas, 3, 1, 3, 0);
  if (w == "go") return Veiksm(s, 2, 7);
  if (w == "see" || w == "know" || w == "make") return Veiksm(s, 2);
  if (w == "saw") return Veiksm(s, 3);
  if (w == "seen" || w == "made") return Veiksm(s, 4);
  if (w == "going" || w == "seeing") return Veiksm(s, 5, 7);
  if (w == "the" || w == "a") return Zodis(s, dDeterminantas, "");
  if (w == "two") return Zodis(s, dSkaitvardis);
  if (w == "big") return Zodis(s, dBudvardis);
  if (w == "very" || w == "home") return Zodis(s, dPrieveiksmis);
  if (w == "and") return Zodis(s, dJungtukas);
  if (w == "." || w == "?") return Zodis(s, dSkyriklis, s);
  if (w == "to" || w == "in" || w == "of") return Zodis(s, dPrielinksnis);
  if (w == "book" || w == "station" || w == "house") return Daikt(s, 2);
  if (w == "books") return Daikt(s, 2, 1);
  return Daikt(s, 1);  // boy, bus, teacher ...
}

inline TSakinys Sakinys(std::initializer_list<std::string_view> zodziai) {
  TSakinys s;
  for (std::string_view w : zodziai) s.Zodziai.Prideti(Rasti(w));
  s.ZodziuSk = s.Kiekis();
  return s;
}

}  // namespace kervosta::testai
