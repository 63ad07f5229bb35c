#include "analysis/zodzio_paieska.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/segment_isvedimas.h"
#include "analysis/zodziu_aibe.h"
#include "core/cp1257.h"
#include "morphology/zodzio_forma.h"

namespace kervosta {

using namespace literals;

namespace {

struct Modalinis {
  std::string_view Angl;
  std::string_view Liet;
  // A modal that Lithuanian says with a verb of its own: the built-in record (4 galėti, 6
  // turėti), its tense and mood. 0: an auxiliary word that is not conjugated.
  std::int32_t Irasas = 0;
  std::uint8_t Laikas = zlkEsamasis, Nuosaka = nTiesiogine;
};

// "'s" and "'d" are the marks of parted contractions, settled after the lookup; "let's" makes
// the verb after it a command of the first person plural.
constexpr std::array<Modalinis, 14> Modaliniai = {{
    {"shall", ""},
    {"will", ""},
    {"must", "turi", 6},
    {"need", "reikia"},
    {"may", "gali", 4},
    {"might", "galėtų"_lt, 4, zlkBusimasis, nTariamoji},
    {"dare", "drįsta"_lt},
    {"should", "turėtų"_lt, 6, zlkBusimasis, nTariamoji},
    {"would", ""},
    {"not", ""},
    {"no", "ne"},
    {"'s", ""},
    {"'d", ""},
    {"let's", ""},
}};

struct AsmeninisIvardis {
  std::string_view Angl;
  std::int32_t Nr;
  std::uint8_t KalbosDalis;
  std::string_view Liet;
  std::uint8_t Linksnis, Skaicius, Asmuo, Gimine;
};

constexpr std::array<AsmeninisIvardis, 16> AsmeniniaiIvardziai = {{
    {"i", 1, dAsmVardininkas, "aš"_lt, zlVardininkas, zskVienaskaita, 1, zgNenurodyta},
    {"it", 9, dAsmVardininkas, "tai", zlVardininkas, zskVienaskaita, 3, zgNenurodyta},
    {"me", 1, dAsmKitas, "man", zlGalininkas, zskVienaskaita, 1, zgNenurodyta},
    {"you", 6, dAsmVardininkas, "jūs"_lt, zlVardininkas, zskDaugiskaita, 5, zgNenurodyta},
    {"your", 6, dAsmKitas, "jūsų"_lt, zlKilmininkas, zskDaugiskaita, 5, zgNenurodyta},
    {"we", 5, dAsmVardininkas, "mes", zlVardininkas, zskDaugiskaita, 4, zgNenurodyta},
    {"us", 5, dAsmKitas, "mums", zlGalininkas, zskDaugiskaita, 4, zgNenurodyta},
    {"our", 5, dAsmKitas, "mūsų"_lt, zlKilmininkas, zskDaugiskaita, 4, zgNenurodyta},
    {"he", 3, dAsmVardininkas, "jis", zlVardininkas, zskVienaskaita, 3, zgVyriska},
    {"his", 3, dAsmKitas, "jo", zlKilmininkas, zskVienaskaita, 3, zgVyriska},
    {"him", 3, dAsmKitas, "jam", zlNaudininkas, zskVienaskaita, 3, zgVyriska},
    {"she", 4, dAsmVardininkas, "ji", zlVardininkas, zskVienaskaita, 3, zgMoteriska},
    {"her", 4, dAsmKitas, "jos", zlGalininkas, zskVienaskaita, 3, zgMoteriska},
    {"they", 7, dAsmVardininkas, "jie", zlVardininkas, zskDaugiskaita, 6, zgVyriska},
    {"them", 7, dAsmKitas, "jiems", zlGalininkas, zskDaugiskaita, 6, zgVyriska},
    {"their", 7, dAsmKitas, "jų"_lt, zlKilmininkas, zskDaugiskaita, 6, zgVyriska},
}};

// The words of both tables, so that most words of a text skip them at one glance.
constexpr ZodziuZymes SudarytiLenteliuZymes() {
  ZodziuZymes zymes;
  for (const Modalinis& m : Modaliniai) zymes.Pazymeti(m.Angl);
  for (const AsmeninisIvardis& a : AsmeniniaiIvardziai) zymes.Pazymeti(a.Angl);
  return zymes;
}

constexpr ZodziuZymes LenteliuZymes = SudarytiLenteliuZymes();

// A required question 1..6 ("kas?" .. "kur?") is the case 0..5 a verb, adverb or preposition
// governs; anything else governs none.
std::uint8_t ValdomasLinksnis(std::int32_t klausimas) {
  return klausimas >= 1 && klausimas <= 6 ? static_cast<std::uint8_t>(klausimas - 1) : BeLinksnio;
}

// English form code, tense and voice of a verb hit on each of the five stored forms.
struct VeiksmazodzioPataikymas {
  TekstoLaukas Laukas;
  Pataikymas Rusis;
  std::uint8_t AnglForma, Laikas, Veikiamoji;
};

constexpr std::array<VeiksmazodzioPataikymas, 5> VeiksmazodzioFormos = {{
    {TekstoLaukas::Angl1, Pataikymas::VeiksmBendratis, afBazine, zlkEsamasis, 1},
    {TekstoLaukas::Angl2, Pataikymas::VeiksmTreciasisAsmuo, afBazine, zlkEsamasis, 1},
    {TekstoLaukas::Angl3, Pataikymas::VeiksmButasis, afButoji, zlkButasisKartinis, 1},
    {TekstoLaukas::Angl4, Pataikymas::VeiksmDalyvis, afDalyvis, zlkButasisKartinis, 0},
    {TekstoLaukas::Angl5, Pataikymas::VeiksmIng, afIng, zlkEsamasis, 1},
}};

bool AtpazintiModalini(std::string_view zodis, TZodis& tikslas) {
  if (!LenteliuZymes.GaliButi(zodis)) return false;
  for (const Modalinis& m : Modaliniai) {
    if (!ZodziaiLygus(m.Angl, zodis)) continue;
    tikslas.Vidinis = 1;
    tikslas.Liet = m.Liet;
    tikslas.KalbosDalis = dPagalbinis;
    if (m.Irasas != 0) {
      // "must go", "should go": turi eiti, turėtų eiti; the person comes from the subject.
      tikslas.KalbosDalis = dVeiksmazodis;
      tikslas.Nr = m.Irasas;
      tikslas.AnglForma = afBazine;
      tikslas.Laikas = m.Laikas;
      tikslas.Nuosaka = m.Nuosaka;
      tikslas.Linksnis = BeLinksnio;
    }
    return true;
  }
  return false;
}

void RasytiVidiniVeiksmazodi(const ZodynoIrasas& irasas, int nr,
                             const VeiksmazodzioPataikymas& forma, TZodis& tikslas) {
  tikslas.Vidinis = 1;
  tikslas.Nr = nr;
  tikslas.KalbosDalis = dVeiksmazodis;
  tikslas.Liet = irasas.LietZodis();
  tikslas.Liet2 = irasas.Kamienas();
  tikslas.Nuosaka = nTiesiogine;
  tikslas.Skaicius = zskVienaskaita;
  tikslas.Teigiamas = 1;
  tikslas.Veikiamoji = 1;
  tikslas.Irasas = nullptr;
  tikslas.Linksnis = ValdomasLinksnis(irasas.Klausimas());
  tikslas.Asmuo = nr == 1 ? 1 : nr == 2 ? 6 : 3;
  tikslas.AnglForma = forma.AnglForma;
  tikslas.Laikas = forma.Laikas;  // the voice stays active, the past participle included
}

bool AtpazintiVidiniVeiksmazodi(const ZodynuRinkinys& zodynai, std::string_view zodis,
                                TZodis& tikslas) {
  bool rasta = false;
  for (std::size_t r = 0; r < zodynai.VidiniaiIrasai.size(); ++r) {
    const ZodynoIrasas& irasas = zodynai.VidiniaiIrasai[r];
    for (const VeiksmazodzioPataikymas& forma : VeiksmazodzioFormos) {
      if (!ZodziaiLygus(irasas.Vaizdas(forma.Laukas), zodis)) continue;
      RasytiVidiniVeiksmazodi(irasas, static_cast<int>(r) + 1, forma, tikslas);
      rasta = true;
    }
  }
  return rasta;
}

void RasytiAsmenini(const AsmeninisIvardis& a, TZodis& tikslas) {
  tikslas.Vidinis = 1;
  tikslas.Laikas = zlkEsamasis;
  tikslas.Nr = a.Nr;
  tikslas.KalbosDalis = a.KalbosDalis;
  tikslas.Liet = a.Liet;
  tikslas.Liet2 = a.Liet;
  tikslas.Linksnis = a.Linksnis;
  tikslas.Skaicius = a.Skaicius;
  tikslas.Asmuo = a.Asmuo;
  tikslas.Gimine = a.Gimine;
}

// "you" and "your" said to one reader as "tu": the second person singular, and "tavo".
constexpr std::array<AsmeninisIvardis, 2> Tujinimas = {{
    {"you", 2, dAsmVardininkas, "tu", zlVardininkas, zskVienaskaita, 2, zgNenurodyta},
    {"your", 2, dAsmKitas, "tavo", zlKilmininkas, zskVienaskaita, 2, zgNenurodyta},
}};

bool AtpazintiAsmenini(std::string_view zodis, TZodis& tikslas, KreipinioForma kreipinys) {
  if (!LenteliuZymes.GaliButi(zodis)) return false;
  for (const AsmeninisIvardis& a : AsmeniniaiIvardziai) {
    if (!ZodziaiLygus(a.Angl, zodis)) continue;
    const AsmeninisIvardis* eilute = &a;
    if (kreipinys == KreipinioForma::Tu)
      for (const AsmeninisIvardis& t : Tujinimas)
        if (t.Angl == zodis) eilute = &t;
    RasytiAsmenini(*eilute, tikslas);
    // "tavo" is no case of the row "tu" (its genitive is "tavęs"): it is kept as written.
    if (eilute->KalbosDalis == dAsmKitas && eilute->Nr == 2) tikslas.Vidinis = 0;
    return true;
  }
  return false;
}

// Collects the hits of one entry.
class IrasoTikrintojas {
 public:
  IrasoTikrintojas(ZodynoMazgas& mazgas, std::string_view zodis, TZodziuList& kandidatai)
      : mazgas_(mazgas), irasas_(mazgas.Duomenys), zodis_(zodis), kandidatai_(kandidatai) {}

  void Tikrinti() {
    switch (irasas_.DaliesKodas()) {
      case IrasoKodas(dDaiktavardis): Daiktavardis(); break;
      case IrasoKodas(dIvardis): Ivardis(); break;
      case IrasoKodas(dVeiksmazodis): Veiksmazodis(); break;
      case IrasoKodas(dBudvardis): Budvardis(); break;
      case IrasoKodas(dSkaitvardis): Skaitvardis(); break;
      default: Kita(); break;
    }
  }

 private:
  TZodis& Naujas(Pataikymas rusis) {
    TZodis zodis;
    zodis.Angl = std::string(zodis_);
    zodis.Liet = KandidatoTekstas(irasas_, rusis, zodis_);
    zodis.Liet2 = irasas_.Kamienas();
    zodis.Irasas = &mazgas_;
    return kandidatai_[kandidatai_.Prideti(std::move(zodis))];
  }

  bool BaigiasiIr(std::string_view galune, std::size_t nukirpti, std::string_view forma) const {
    return zodis_.ends_with(galune) && zodis_.size() >= nukirpti &&
           zodis_.substr(0, zodis_.size() - nukirpti) == forma;
  }

  void Daiktavardis() {
    const std::string_view angl1 = irasas_.Vaizdas(TekstoLaukas::Angl1);
    const std::string_view angl3 = irasas_.Vaizdas(TekstoLaukas::Angl3);
    const std::int32_t skaiciavimas = irasas_.Paradigma3();
    const std::uint8_t vardoSkaicius = skaiciavimas == 2 ? zskDaugiskaita : zskVienaskaita;
    const std::uint8_t daugSkaicius =
        skaiciavimas == 0 || skaiciavimas == 2 ? zskDaugiskaita : zskVienaskaita;
    // "boys'" loses two characters and so also matches the singular headword "boy".
    if (BaigiasiIr("'s", 2, angl1)) Daikt(Pataikymas::DaiktSavybinis, zlKilmininkas, vardoSkaicius);
    if (BaigiasiIr("'", 2, angl1))
      Daikt(Pataikymas::DaiktSavybinisApostrofas, zlKilmininkas, vardoSkaicius);
    if (BaigiasiIr("s'", 1, angl3))
      Daikt(Pataikymas::DaiktDaugSavybinis, zlKilmininkas, daugSkaicius);
    if (zodis_ == angl1)
      Daikt(Pataikymas::DaiktVardas, zlVardininkas, vardoSkaicius);
    else if (zodis_ == angl3)
      Daikt(Pataikymas::DaiktDaugiskaita, zlVardininkas, daugSkaicius);
  }

  void Daikt(Pataikymas rusis, std::uint8_t linksnis, std::uint8_t skaicius) {
    TZodis& z = Naujas(rusis);
    z.KalbosDalis = dDaiktavardis;
    z.Linksnis = linksnis;
    z.Skaicius = skaicius;
    switch (irasas_.Paradigma2()) {
      case 0: z.Gimine = zgVyriska; break;
      case 1: z.Gimine = zgMoteriska; break;
      default: z.Gimine = zgNenurodyta; break;
    }
    if (irasas_.Pozymis() == PozymisTikrinis) z.Tikrinis = 1;
  }

  void Ivardis() {
    if (zodis_ != irasas_.Vaizdas(TekstoLaukas::Angl1)) return;
    TZodis& z = Naujas(Pataikymas::Ivardis);
    z.KalbosDalis = dIvardis;
    z.Linksnis = zlVardininkas;
    z.Gimine = zgNenurodyta;
    // "everybody" visi, "several" keli: a pronoun that has plural forms only is plural, so the
    // verb and the predicate agree with it ("Visi buvo laimingi").
    z.Skaicius =
        irasas_.Paradigma3() == 1 && (irasas_.Paradigma1() == 4 || irasas_.Paradigma1() == 6)
            ? zskDaugiskaita
            : zskVienaskaita;
    z.Laipsnis = lpNelyginamasis;
  }

  void Veiksmazodis() {
    for (const VeiksmazodzioPataikymas& forma : VeiksmazodzioFormos) {
      if (zodis_ != irasas_.Vaizdas(forma.Laukas)) continue;
      TZodis& z = Naujas(forma.Rusis);
      z.KalbosDalis = dVeiksmazodis;
      z.Gimine = zgNenurodyta;
      z.Skaicius = zskVienaskaita;
      z.Nuosaka = nTiesiogine;
      z.Asmuo = 3;
      z.Linksnis = ValdomasLinksnis(irasas_.Klausimas());
      z.AnglForma = forma.AnglForma;
      z.Laikas = forma.Laikas;
      z.Veikiamoji = forma.Veikiamoji;
    }
  }

  void Budvardis() {
    const std::pair<TekstoLaukas, Pataikymas> laipsniai[] = {
        {TekstoLaukas::Angl1, Pataikymas::BudvNelyginamasis},
        {TekstoLaukas::Angl3, Pataikymas::BudvAukstesnysis},
        {TekstoLaukas::Angl4, Pataikymas::BudvAuksciausiasis},
    };
    for (std::uint8_t laipsnis = lpNelyginamasis; laipsnis <= lpAuksciausiasis; ++laipsnis) {
      if (zodis_ != irasas_.Vaizdas(laipsniai[laipsnis].first)) continue;
      TZodis& z = Naujas(laipsniai[laipsnis].second);
      z.KalbosDalis = dBudvardis;
      z.Linksnis = zlVardininkas;
      z.Gimine = zgNenurodyta;
      z.Skaicius = zskVienaskaita;
      z.Laipsnis = laipsnis;
    }
  }

  void Skaitvardis() {
    Pataikymas rusis;
    if (zodis_ == irasas_.Vaizdas(TekstoLaukas::Angl1))
      rusis = Pataikymas::SkaitvVienaskaita;
    else if (zodis_ == irasas_.Vaizdas(TekstoLaukas::Angl3))
      rusis = Pataikymas::SkaitvSkaitmenys;
    else if (zodis_ == irasas_.Vaizdas(TekstoLaukas::Angl2))
      rusis = Pataikymas::SkaitvDaugiskaita;
    else
      return;
    TZodis& z = Naujas(rusis);
    z.KalbosDalis = dSkaitvardis;
    z.Linksnis = zlVardininkas;
    z.Gimine = zgNenurodyta;
    z.Skaicius = rusis == Pataikymas::SkaitvVienaskaita ? zskVienaskaita : zskDaugiskaita;
    z.Nr = irasas_.Kategorija();
  }

  void Kita() {
    if (zodis_ != irasas_.Vaizdas(TekstoLaukas::Angl1)) return;
    TZodis& z = Naujas(Pataikymas::Kita);
    const std::int32_t kodas = irasas_.DaliesKodas();
    if (kodas >= IrasoKodas(dDaiktavardis) && kodas <= IrasoKodas(dAsmKitas))
      z.KalbosDalis = static_cast<std::uint8_t>(kodas - 1);
    const std::int32_t klausimas = irasas_.Pozymis();
    if (kodas == IrasoKodas(dPrieveiksmis) || kodas == IrasoKodas(dPrielinksnis))
      // Their case is the one they govern: without a question, read as the nominative, an adverb
      // or preposition would force the nominative on the following noun group.
      z.Linksnis = ValdomasLinksnis(klausimas);
    else if (klausimas >= 1 && klausimas <= 6)
      z.Linksnis = static_cast<std::uint8_t>(klausimas - 1);
    z.Gimine = zgNenurodyta;
    z.Skaicius = zskVienaskaita;
  }

  ZodynoMazgas& mazgas_;
  const ZodynoIrasas& irasas_;
  std::string_view zodis_;
  TZodziuList& kandidatai_;
};

// Only entries that store the word among their English forms, or the word less a possessive
// ending as headword ("boy's") or plural ("boys'"), can match it; the index finds them, and they
// are checked in list order, as a walk of the whole list would check them. The index leaves out
// empty forms but headwords, so an empty word is looked up by the walk.
void IeskotiSarase(const ZodynoSarasas& sarasas, std::string_view zodis, TZodziuList& kandidatai) {
  if (zodis.empty()) {
    for (ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) IeskotiIrase(*m, zodis, kandidatai);
    return;
  }
  using Vietos = std::span<const ZodynoSarasas::Vieta>;
  const Vietos tiksliai = sarasas.SuForma(zodis);
  const Vietos vienaskaita = zodis.size() >= 2 && (zodis.ends_with("'s") || zodis.ends_with("'"))
                                 ? sarasas.SuForma(zodis.substr(0, zodis.size() - 2))
                                 : Vietos();
  const Vietos daugiskaita =
      zodis.ends_with("s'") ? sarasas.SuForma(zodis.substr(0, zodis.size() - 1)) : Vietos();
  if (vienaskaita.empty() && daugiskaita.empty()) {
    for (const ZodynoSarasas::Vieta& v : tiksliai) IeskotiIrase(*v.Mazgas, zodis, kandidatai);
    return;
  }
  std::vector<ZodynoSarasas::Vieta> vietos(tiksliai.begin(), tiksliai.end());
  for (const ZodynoSarasas::Vieta& v : vienaskaita)
    if (v.Laukai & ZodynoSarasas::Angl1Bitas) vietos.push_back(v);
  for (const ZodynoSarasas::Vieta& v : daugiskaita)
    if (v.Laukai & ZodynoSarasas::Angl3Bitas) vietos.push_back(v);
  std::sort(vietos.begin(), vietos.end(),
            [](const auto& a, const auto& b) { return a.Pozicija < b.Pozicija; });
  const auto paskutine = std::unique(vietos.begin(), vietos.end(),
                                     [](const auto& a, const auto& b) { return a.Mazgas == b.Mazgas; });
  for (auto v = vietos.begin(); v != paskutine; ++v) IeskotiIrase(*v->Mazgas, zodis, kandidatai);
}

}  // namespace

void IeskotiIrase(ZodynoMazgas& mazgas, std::string_view zodis, TZodziuList& kandidatai) {
  IrasoTikrintojas(mazgas, zodis, kandidatai).Tikrinti();
}

std::string AnglMazosiomis(std::string_view zodis) {
  std::string rezultatas(zodis);
  for (char& c : rezultatas)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return rezultatas;
}

bool MazojiRaideLietuviskai(const ZodynoIrasas& irasas) {
  const std::string_view kamienas = irasas.Vaizdas(TekstoLaukas::Kamienas);
  return irasas.DaliesKodas() == IrasoKodas(dDaiktavardis) && irasas.Pozymis() == PozymisTikrinis &&
         !kamienas.empty() && DidziojiRaide(kamienas.substr(0, 1)) != kamienas.substr(0, 1);
}

bool AtpazintiVidini(const ZodynuRinkinys& zodynai, std::string_view zodis, TZodis& tikslas,
                     KreipinioForma kreipinys) {
  const std::string mazosiomis = AnglMazosiomis(zodis);
  // Every stage runs: a later match overwrites what an earlier one wrote.
  bool rasta = AtpazintiModalini(mazosiomis, tikslas);
  rasta = AtpazintiVidiniVeiksmazodi(zodynai, mazosiomis, tikslas) || rasta;
  rasta = AtpazintiAsmenini(mazosiomis, tikslas, kreipinys) || rasta;
  return rasta;
}

void IeskotiZodyne(ZodynuRinkinys& zodynai, std::string_view zodis, TZodziuList& kandidatai) {
  const std::string mazosiomis = AnglMazosiomis(zodis);
  // "o'clock" is the hour: "seven o'clock" septinta valanda.
  const std::string_view ieskomas = mazosiomis == "o'clock" ? "hour" : std::string_view(mazosiomis);
  const int pries = kandidatai.Kiekis();
  IeskotiSarase(zodynai.PagrindinisZodynas, ieskomas, kandidatai);
  IeskotiSarase(zodynai.VartotojoZodynas, ieskomas, kandidatai);
  for (int i = pries; i < kandidatai.Kiekis(); ++i) kandidatai[i].Angl = mazosiomis;
}

std::vector<std::string> AmerikietiskaRasyba(std::string_view zodis) {
  struct Pakeitimas {
    std::string_view Is, I;
  };
  // Whole words first, then the spellings that differ in a part of the word.
  static constexpr Pakeitimas Zodziai[] = {
      {"grey", "gray"}, {"mum", "mom"}, {"mums", "moms"}, {"programme", "program"},
      {"cheque", "check"}, {"tyre", "tire"}, {"aeroplane", "airplane"}, {"pyjamas", "pajamas"}};
  static constexpr Pakeitimas Dalys[] = {
      {"our", "or"},   {"tre", "ter"},   {"tres", "ters"}, {"lled", "led"},   {"lling", "ling"},
      {"ise", "ize"},  {"ised", "ized"}, {"ises", "izes"}, {"ising", "izing"}, {"yse", "yze"},
      {"ogue", "og"},  {"ence", "ense"}, {"bre", "ber"},  {"lre", "ler"}};
  std::vector<std::string> variantai;
  for (const Pakeitimas& p : Zodziai)
    if (zodis == p.Is) variantai.emplace_back(p.I);
  for (const Pakeitimas& p : Dalys) {
    for (std::size_t vieta = zodis.find(p.Is); vieta != std::string_view::npos;
         vieta = zodis.find(p.Is, vieta + 1)) {
      // "-re" and "-ise" change at the end only ("centre", "realise"); "-our-" anywhere.
      const bool galas = vieta + p.Is.size() == zodis.size();
      if (p.Is != "our" && !galas) continue;
      std::string variantas(zodis);
      variantas.replace(vieta, p.Is.size(), p.I);
      variantai.push_back(std::move(variantas));
    }
  }
  return variantai;
}

void IeskotiZodyne(Aplinka& aplinka, std::string_view zodis) {
  IeskotiZodyne(aplinka.Zodynai, zodis, aplinka.Variantai.Zodziai);
}

int IeskotiVisoseFormose(Aplinka& aplinka, std::string_view tekstas) {
  aplinka.Variantai.Zodziai.Isvalyti();
  TZodis vidinis;
  vidinis.Angl = AnglMazosiomis(tekstas);
  if (AtpazintiVidini(aplinka.Zodynai, vidinis.Angl, vidinis, aplinka.Kreipinys))
    aplinka.Variantai.Zodziai.Prideti(std::move(vidinis));
  else
    IeskotiZodyne(aplinka, vidinis.Angl);
  return aplinka.Variantai.Kiekis();
}

}  // namespace kervosta
