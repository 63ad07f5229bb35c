#include "analysis/vardai.h"

#include "analysis/segment_isvedimas.h"
#include "morphology/kodai.h"
#include "morphology/vardazodziu_formos.h"

namespace kervosta {

namespace {

constexpr std::int32_t KodasDaiktavardis = 1;
constexpr std::int32_t ParadigmaNamas = 0;   // -as: Tomas, Tomo
constexpr std::int32_t ParadigmaBrolis = 3;  // -is: Peteris, Peterio
constexpr std::int32_t ParadigmaKnyga = 5;   // -a: Anna, Annos
constexpr std::int32_t ParadigmaSunus = 9;   // -us: Marcus, Marcaus
constexpr std::int32_t ParadigmaVyrams = 0;  // gender of a noun record: 0 masculine, 1 feminine
constexpr std::int32_t ParadigmaMoterims = 1;
constexpr std::int32_t TikVienaskaita = 1;
constexpr std::int32_t KategorijaZmogus = 1;  // a name is taken for a person's

bool Moteriskas(const TSakinys& s, int i) {
  return s.ZodisYra(i - 1, "mrs") || s.ZodisYra(i - 1, "ms");
}

// The stem and paradigm of a declinable name; false for one that does not decline.
bool Linksniuote(std::string_view vardas, std::string& kamienas, std::int32_t& paradigma) {
  const auto be = [&](std::size_t galune) { kamienas = vardas.substr(0, vardas.size() - galune); };
  if (vardas.ends_with("as")) {
    be(2);
    paradigma = ParadigmaNamas;
  } else if (vardas.ends_with("us")) {
    be(2);
    paradigma = ParadigmaSunus;
  } else if (vardas.ends_with("a")) {
    be(1);
    paradigma = ParadigmaKnyga;
  } else if (vardas.ends_with("er")) {
    be(0);
    paradigma = ParadigmaBrolis;
  } else if (std::string_view("eiouy").find(vardas.back()) == std::string_view::npos) {
    be(0);
    paradigma = ParadigmaNamas;
  } else {
    return false;
  }
  return true;
}

ZodynoMazgas& VardoIrasas(Aplinka& aplinka, const std::string& angl, const std::string& kamienas,
                          std::int32_t paradigma, std::int32_t gimine) {
  ZodynoMazgas*& rastas = aplinka.VarduIrasai[{angl, gimine}];
  if (rastas) return *rastas;
  ZodynoIrasas irasas;
  irasas.NustatytiSkaiciu(SkaiciausLaukas::DaliesKodas, KodasDaiktavardis);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Pozymis, 1);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Kategorija, KategorijaZmogus);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::AnglSkaicius, TikVienaskaita);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma1, paradigma);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma2, gimine);
  irasas.NustatytiSkaiciu(SkaiciausLaukas::Paradigma3, TikVienaskaita);
  for (TekstoLaukas laukas : {TekstoLaukas::Angl1, TekstoLaukas::Angl2, TekstoLaukas::Angl3})
    irasas.NustatytiTeksta(laukas, angl);
  irasas.NustatytiTeksta(TekstoLaukas::Kamienas, kamienas);
  const Forma vardininkas = DaiktavardzioForma(irasas, lVardininkas, skVienaskaita);
  irasas.NustatytiTeksta(TekstoLaukas::LietZodis, vardininkas.value_or(kamienas));
  rastas = aplinka.Vardai.Prideti(irasas);
  return *rastas;
}

constexpr std::string_view Titulai[] = {"mr", "mrs", "ms", "dr"};

bool Titulas(std::string_view angl) {
  for (std::string_view titulas : Titulai)
    if (angl == titulas) return true;
  return false;
}

}  // namespace

// Languages and nationalities ("English", "Japanese") are no names.
bool GaliButiVardas(std::string_view angl) {
  if (angl.size() < 2 || Titulas(angl) || angl.ends_with("ish") || angl.ends_with("ese"))
    return false;
  for (char c : angl)
    if (c < 'a' || c > 'z') return false;
  return true;
}

bool PoTitulo(const TSakinys& s, int i) { return s.Yra(i - 1) && Titulas(s.Zodziai[i - 1].Angl); }

TZodis VardoKandidatas(Aplinka& aplinka, const TSakinys& s, int i) {
  TZodis z;
  z.Angl = s.Zodziai[i].Angl;
  z.KalbosDalis = dDaiktavardis;
  z.Tikrinis = 1;
  const bool moteriskas = Moteriskas(s, i);
  std::string kamienas;
  std::int32_t paradigma = 0;
  const std::string vardas = DidziojiRaide(z.Angl);
  const bool linksniuojamas = Linksniuote(vardas, kamienas, paradigma) &&
                              (!moteriskas || paradigma == ParadigmaKnyga);
  z.Gimine = moteriskas || paradigma == ParadigmaKnyga ? 2 : 1;
  if (!linksniuojamas) {
    // Kate, Mary, Joe: the ending tells no gender.
    if (!moteriskas) z.Gimine = 0;
    z.Liet = z.Liet2 = vardas;
    return z;
  }
  ZodynoMazgas& mazgas = VardoIrasas(aplinka, z.Angl, kamienas, paradigma,
                                     z.Gimine == 2 ? ParadigmaMoterims : ParadigmaVyrams);
  z.Liet = mazgas.Duomenys.LietZodis();
  z.Liet2 = kamienas;
  z.Irasas = &mazgas;
  return z;
}

}  // namespace kervosta
