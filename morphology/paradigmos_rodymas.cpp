#include "morphology/paradigmos_rodymas.h"

#include <array>
#include <span>
#include <string_view>

#include "core/cp1257.h"
#include "lexicon/zodyno_sarasas.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"
#include "morphology/veiksmazodziu_formos.h"

namespace kervosta {

namespace {

using namespace literals;

constexpr std::array<std::string_view, 6> Linksniai = {
    "Vardininko linksnis"_lt, "Kilmininko linksnis"_lt, "Naudininko linksnis"_lt,
    "Galininko linksnis"_lt,  "Inagininko linksnis"_lt, "Vietininko linksnis"_lt};
constexpr std::array<std::string_view, 3> VardazodzioGimines = {
    "Bendroji giminė"_lt, "Vyriška giminė"_lt, "Moteriškoji giminė"_lt};
constexpr std::array<std::string_view, 3> VeiksmazodzioGimines = {
    "Bendroji giminė"_lt, "Vyriška gim."_lt, "Moteriška gim."_lt};
constexpr std::array<std::string_view, 2> Skaiciai = {"Vienaskaita"_lt, "Daugiskaita"_lt};
constexpr std::array<std::string_view, 6> Asmenys = {
    "I asmuo (Aš)"_lt,  "II asmuo (Tu)"_lt,  "III asmuo (Jis/Ji)"_lt,
    "IV asmuo (Mes)"_lt, "V asmuo (Jūs)"_lt, "VI asmuo (Jie)"_lt};
constexpr std::array<std::string_view, 5> Laikai = {
    "Bendratis"_lt, "Esamasis laikas"_lt, "Būtasis kartinis laikas"_lt,
    "Būtasis dažninis laikas"_lt, "Būsimasis laikas"_lt};
constexpr std::array<std::string_view, 3> Nuosakos = {
    "Tiesioginė nuosaka"_lt, "Tariamoji nuosaka"_lt, "Liepiamoji nuosaka"_lt};

// Label columns of the blocks, one a case or a person.
constexpr std::array<std::string_view, 6> LinksniuEilutes = {
    "Vardininkas (kas?): "_lt, "Kilmininkas (ko?) : "_lt, "Naudininkas (kam?): "_lt,
    "Galininkas  (ką?) : "_lt, "Įnagininkas (kuo?): "_lt, "Vietininkas (kur?): "_lt};
constexpr std::array<std::string_view, 6> AsmenuEilutes = {
    "Aš     : "_lt, "Tu     : "_lt, "Jis/Ji : "_lt, "Mes    : "_lt, "Jūs    : "_lt, "Jie/Jos: "_lt};
constexpr std::array<std::string_view, 6> DalyvioEilutes = {
    "Vard  : "_lt, "Kilm  : "_lt, "Naud  : "_lt, "Gal   : "_lt, "Įnag  : "_lt, "Viet .: "_lt};

// Headings of the blocks. Kept as constants: some compilers cannot evaluate the literal inside
// a template.
constexpr std::string_view VienaskaitaAntraste = "Vienaskaita: "_lt;
constexpr std::string_view DaugiskaitaAntraste = "Daugiskaita: "_lt;
constexpr std::string_view VyriskaGimine = "Vyriška giminė"_lt;
constexpr std::string_view MoteriskaGimine = "Moteriška giminė"_lt;

// Part-of-speech lines of the words without a paradigm, by `KalbosDalis`.
constexpr std::array<std::string_view, 15> KalbosDalys = {
    "Daiktavardis"_lt, "Įvardis"_lt,      "Veiksmažodis"_lt, "Prieveiksmis"_lt,
    "Būdvardis"_lt,    "Pap."_lt,         "Determinantų kl."_lt, "Prielinksnis"_lt,
    "Skyriklis"_lt,    "Jungtukas"_lt,    "Nežinoma k.d."_lt, "Dalyvis"_lt,
    "Skaitvardis"_lt,  "Įvardis"_lt,      "Įvardis"_lt};

// Participle headings: tense 1..4, then masculine singular, masculine plural, feminine singular,
// feminine plural.
constexpr std::array<std::array<std::string_view, 4>, 4> DalyvioLaikai = {{
    {"Esamasis laikas: "_lt, "Esamasis laikas: "_lt, "Esamasis laikas: "_lt,
     "Esamasis laikas: "_lt},
    {"Būtasis kartinis laikas: "_lt, "Būtasis k. laikas: "_lt, "Būt.k laikas: "_lt,
     "Būtasis k. laikas: "_lt},
    {"Būtasis dažninis laikas: "_lt, "Būtasis d. laikas: "_lt, "Būt.d. laikas: "_lt,
     "Būtasis d. laikas: "_lt},
    {"Būsimais laikas: "_lt, "Būsimais. laikas: "_lt, "Būsimasis laikas: "_lt,
     "Būsimasis laikas: "_lt},
}};

class Ataskaita {
 public:
  explicit Ataskaita(std::vector<std::string>& eilutes) : eilutes_(eilutes) {}

  void operator()(std::string_view eilute) { eilutes_.emplace_back(eilute); }
  void operator()(std::string_view zyme, std::string_view tekstas) {
    eilutes_.emplace_back(std::string(zyme) + std::string(tekstas));
  }
  // The label of a stored value; a value outside the list adds nothing.
  template <std::size_t N>
  void Zyme(const std::array<std::string_view, N>& zymes, int reiksme) {
    if (reiksme >= 0 && reiksme < static_cast<int>(N)) (*this)(zymes[static_cast<std::size_t>(reiksme)]);
  }
  // Six lines, each a label and the form made for its position (1..6); no form, no text.
  template <typename Forma>
  void Blokas(const std::array<std::string_view, 6>& zymes, Forma forma) {
    for (int i = 1; i <= 6; ++i) (*this)(zymes[static_cast<std::size_t>(i - 1)], forma(i).value_or(""));
  }

 private:
  std::vector<std::string>& eilutes_;
};

const ZodynoIrasas* Irasas(const TZodis& zodis) {
  return zodis.Irasas ? &zodis.Irasas->Duomenys : nullptr;
}

void Antraste(Ataskaita& a, const TZodis& z) {
  a("Žodis: "_lt, z.Angl);
  a("Vertimas: "_lt, z.Liet);
}

// Case, gender and number of a noun, pronoun or adjective.
void VardazodzioPozymiai(Ataskaita& a, const TZodis& z) {
  a.Zyme(Linksniai, z.Linksnis);
  a.Zyme(VardazodzioGimines, z.Gimine);
  a.Zyme(Skaiciai, z.Skaicius);
}

void Daiktavardis(Ataskaita& a, const TZodis& z) {
  Antraste(a, z);
  VardazodzioPozymiai(a, z);
  a("Kalbos dalis: Daiktavardis "_lt);
  const ZodynoIrasas* irasas = Irasas(z);
  if (!irasas) return;
  a("");
  a("Angliškas žodis"_lt);
  a("Vienaskaita: "_lt, irasas->Vaizdas(TekstoLaukas::Angl2));
  a("Daugiskaita: "_lt, irasas->Vaizdas(TekstoLaukas::Angl3));
  a("");
  a("Lietuviškas žodis"_lt);
  a("Kamienas: "_lt, irasas->Vaizdas(TekstoLaukas::Kamienas));
  for (int skaicius : {skVienaskaita, skDaugiskaita}) {
    a("");
    a(skaicius == skVienaskaita ? VienaskaitaAntraste : DaugiskaitaAntraste);
    a.Blokas(LinksniuEilutes, [&](int l) { return DaiktavardzioForma(*irasas, l, skaicius); });
  }
}

// "Vyriška giminė" and "Moteriška giminė", each with its singular and plural blocks.
template <typename Forma>
void GiminiuBlokai(Ataskaita& a, Forma forma, int vyriska, int moteriska) {
  for (int gimine : {vyriska, moteriska}) {
    a("");
    a(gimine == vyriska ? VyriskaGimine : MoteriskaGimine);
    for (int skaicius : {skVienaskaita, skDaugiskaita}) {
      a("");
      a(skaicius == skVienaskaita ? VienaskaitaAntraste : DaugiskaitaAntraste);
      a.Blokas(LinksniuEilutes, [&](int l) { return forma(gimine, l, skaicius); });
    }
  }
}

void Ivardis(Ataskaita& a, const TZodis& z) {
  Antraste(a, z);
  VardazodzioPozymiai(a, z);
  a("Žodis: "_lt, z.Angl);
  a("Kalbos dalis: Įvardis "_lt);
  a("");
  a("Angliškas žodis"_lt);
  a(z.Angl);
  a("");
  a("Lietuviškas žodis"_lt);
  a(z.Liet);
  const ZodynoIrasas* irasas = Irasas(z);
  if (z.Vidinis || !irasas || irasas->Paradigma3() == 0) return;
  GiminiuBlokai(
      a, [&](int g, int l, int s) { return IvardzioForma(*irasas, g, l, s); }, gVyriska,
      gMoteriska);
}

void Budvardis(Ataskaita& a, const TZodis& z) {
  Antraste(a, z);
  VardazodzioPozymiai(a, z);
  a("Žodis: "_lt, z.Angl);
  a("Kalbos dalis: Būdvardis "_lt);
  const ZodynoIrasas* irasas = Irasas(z);
  if (!irasas) return;
  a("");
  a("Angliškas žodis"_lt);
  a("Bendras         : "_lt, irasas->Vaizdas(TekstoLaukas::Angl2));
  a("Aukštesnysis l. : "_lt, irasas->Vaizdas(TekstoLaukas::Angl3));
  a("Aukščiausias l. : "_lt, irasas->Vaizdas(TekstoLaukas::Angl4));
  a("");
  a("Lietuviškas žodis"_lt);
  a("Kamienas: "_lt, irasas->Vaizdas(TekstoLaukas::Kamienas));
  for (int laipsnis : {lpNelyginamasis, lpAukstesnysis, lpAuksciausiasis})
    GiminiuBlokai(
        a, [&](int g, int l, int s) { return BudvardzioForma(*irasas, g, l, s, laipsnis); },
        bgVyriska, bgMoteriska);
}

void VeiksmazodzioFormos(Ataskaita& a, const ZodynoIrasas& irasas) {
  const auto asmenuojama = [&](int asmuo, int laikas, int nuosaka) {
    return VeiksmazodzioForma(irasas, asmuo, laikas, nuosaka, lVardininkas, gVyriska,
                              skVienaskaita, fAsmenuojama, true);
  };
  a("Bendratis: "_lt, asmenuojama(1, lkBendratis, nTiesiogine).value_or(""));
  struct Blokas {
    std::string_view antraste;
    int laikas, nuosaka;
  };
  static constexpr Blokas blokai[] = {
      {"Esamasis laikas: "_lt, lkEsamasis, nTiesiogine},
      {"Būtasis kartinis laikas: "_lt, lkButasisKartinis, nTiesiogine},
      {"Būtasis dažninis laikas: "_lt, lkButasisDazninis, nTiesiogine},
      {"Būsimasis laikas: "_lt, lkBusimasis, nTiesiogine},
      {"Tariamoji nuosaka: "_lt, lkEsamasis, nTariamoji},
      {"Liepiamoji nuosaka: "_lt, lkEsamasis, nLiepiamoji},
  };
  for (const Blokas& b : blokai) {
    a("");
    a(b.antraste);
    a.Blokas(AsmenuEilutes, [&](int asmuo) { return asmenuojama(asmuo, b.laikas, b.nuosaka); });
  }
}

// The active participles of every tense, then the passive ones of the present and the past.
void Dalyviai(Ataskaita& a, const ZodynoIrasas& irasas) {
  for (bool veikiamoji : {true, false}) {
    a("");
    a("Dalyvis"_lt);
    const int laiku = veikiamoji ? 4 : 2;
    for (int laikas = 1; laikas <= laiku; ++laikas) {
      int antraste = 0;
      for (int gimine : {dgVyriska, dgMoteriska}) {
        for (int skaicius : {skVienaskaita, skDaugiskaita}) {
          a("");
          a(veikiamoji ? "Veikiamoji rūšis: "_lt : "NeVeikiamoji rūšis: "_lt);
          a(DalyvioLaikai[static_cast<std::size_t>(laikas - 1)][static_cast<std::size_t>(antraste++)]);
          a(gimine == dgVyriska ? "Vyriška giminė: "_lt : "Moteriška giminė: "_lt);
          a(skaicius == skVienaskaita ? VienaskaitaAntraste : DaugiskaitaAntraste);
          a.Blokas(DalyvioEilutes, [&](int linksnis) {
            return VeiksmazodzioForma(irasas, linksnis, laikas, nTiesiogine, linksnis, gimine,
                                      skaicius, fDalyvis, veikiamoji);
          });
        }
      }
    }
  }
}

void Veiksmazodis(Ataskaita& a, const TZodis& z) {
  Antraste(a, z);
  a.Zyme(Asmenys, z.Asmuo - 1);
  a.Zyme(Laikai, z.Laikas - 1);
  a.Zyme(Nuosakos, z.Nuosaka);
  a.Zyme(Skaiciai, z.Skaicius);
  a.Zyme(VeiksmazodzioGimines, z.Gimine);
  a.Zyme(Linksniai, z.Linksnis);
  a("Žodis: "_lt, z.Angl);
  a("Kalbos dalis: Veiksmažodis "_lt);
  const ZodynoIrasas* irasas = Irasas(z);
  if (!irasas) return;
  a("");
  a("Angliškas žodis"_lt);
  a("The infinitive     : ", irasas->Vaizdas(TekstoLaukas::Angl1));
  a("The infinitive III : ", irasas->Vaizdas(TekstoLaukas::Angl2));
  a("The past indefinite: ", irasas->Vaizdas(TekstoLaukas::Angl3));
  a("The past participle: ", irasas->Vaizdas(TekstoLaukas::Angl4));
  a("Present continuous : ", irasas->Vaizdas(TekstoLaukas::Angl5));
  a("");
  a("Lietuviškas žodis"_lt);
  a("Kamienas: "_lt, irasas->Vaizdas(TekstoLaukas::Kamienas));
  a("");
  VeiksmazodzioFormos(a, *irasas);
  Dalyviai(a, *irasas);
}

}  // namespace

void RodytiParadigma(const TZodis& zodis, std::vector<std::string>& eilutes) {
  Ataskaita a(eilutes);
  switch (zodis.KalbosDalis) {
    case dDaiktavardis: return Daiktavardis(a, zodis);
    case dIvardis: return Ivardis(a, zodis);
    case dVeiksmazodis: return Veiksmazodis(a, zodis);
    case dBudvardis: return Budvardis(a, zodis);
    default:
      Antraste(a, zodis);
      a.Zyme(KalbosDalys, zodis.KalbosDalis);
  }
}

}  // namespace kervosta
