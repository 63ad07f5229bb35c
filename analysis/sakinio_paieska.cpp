#include "analysis/sakinio_paieska.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/frazes.h"
#include "analysis/kandidatu_parinkimas.h"
#include "analysis/koregavimas.h"
#include "analysis/segment_isvedimas.h"
#include "analysis/segment_sutrumpinimai.h"
#include "analysis/vardai.h"
#include "analysis/zodzio_paieska.h"

namespace kervosta {

namespace {

// Every feature but the capital flag, which has a rule of its own.
void PerimtiPozymius(const TZodis& is, TZodis& i) {
  i.Nr = is.Nr;
  i.Vidinis = is.Vidinis;
  i.Angl = is.Angl;
  i.Liet = is.Liet;
  i.Liet2 = is.Liet2;
  i.KalbosDalis = is.KalbosDalis;
  i.Linksnis = is.Linksnis;
  i.Laipsnis = is.Laipsnis;
  i.Gimine = is.Gimine;
  i.Skaicius = is.Skaicius;
  i.Nuosaka = is.Nuosaka;
  i.Laikas = is.Laikas;
  i.AnglForma = is.AnglForma;
  i.Asmuo = is.Asmuo;
  i.Teigiamas = is.Teigiamas;
  i.Veikiamoji = is.Veikiamoji;
  i.Irasas = is.Irasas;
}

// The month "May", not the modal: written with a capital inside a sentence, or after "in",
// "of", a number or "every" ("in may").
bool MenuoMay(const PaieskosEiga& eiga, int i) {
  const TSakinys& s = eiga.Sakinys();
  if (!s.ZodisYra(i, "may")) return false;
  if (s.Zodziai[i].Tikrinis == 1 && !eiga.SakinioPradzia(i)) return true;
  return s.DalisYra(i - 1, dPrielinksnis) || s.DalisYra(i - 1, dSkaitvardis) ||
         s.DalisYra(i - 1, dDeterminantas);
}

// Punctuation and built-in words need no dictionary; returns whether the word is settled.
// `yraVidinis`: whether the word is a built-in word at all.
bool SurastiBeZodyno(const Aplinka& aplinka, const PaieskosEiga& eiga, TSakinys& s, int i,
                     bool yraVidinis) {
  TZodis& zodis = s.Zodziai[i];
  if (zodis.KalbosDalis == dSkyriklis) return true;
  if (MenuoMay(eiga, i) || !yraVidinis) return false;
  TZodis vidinis;
  vidinis.Angl = zodis.Angl;
  vidinis.KalbosDalis = zodis.KalbosDalis;
  vidinis.Liet = zodis.Liet;
  if (!AtpazintiVidini(aplinka.Zodynai, zodis.Angl, vidinis, aplinka.Kreipinys)) return false;
  PerimtiPozymius(vidinis, zodis);
  // English writes "I" with a capital wherever it stands; "aš" takes one only where a sentence
  // starts, and rendering capitalises the line's first word anyway.
  if (zodis.Angl == "i" && !eiga.SakinioPradzia(i)) zodis.Tikrinis = 0;
  return true;
}

void RodytiAngliska(TZodis& zodis) { zodis.Liet = zodis.Angl; }

// The candidates of every word, looked up once: the words after the current one tell its part
// of speech. What is known of a word comes from, and goes into, the memory of `aplinka`.
class SakinioKandidatai {
 public:
  SakinioKandidatai(Aplinka& aplinka, TSakinys& s) : aplinka_(aplinka), s_(s), eiga_(s) {
    aplinka_.Atmintis.Patikrinti(aplinka_.Zodynai);
    vietos_.resize(static_cast<std::size_t>(s.Kiekis()));
  }

  // The candidates of word i; nullptr when the word is settled without the dictionary.
  const TZodziuList* Ieskoti(int i) {
    aplinka_.Variantai.Zodziai.Isvalyti();
    if (s_.Zodziai[i].KalbosDalis == dSkyriklis) return nullptr;
    if (SurastiBeZodyno(aplinka_, eiga_, s_, i, VidinioDalis(i) != KandidatuAtmintis::NeVidinis))
      return nullptr;
    return &Sarasas(i);
  }

  // Whether the word after `i` may be a noun of time ("last week"). The records are read again
  // if a dictionary has changed since the candidates were found.
  bool KitasLaikas(int i) {
    if (!s_.Yra(i + 1) || s_.Zodziai[i + 1].KalbosDalis == dSkyriklis) return false;
    const Vieta& vieta = vietos_[static_cast<std::size_t>(i + 1)];
    const TZodziuList& kandidatai = Sarasas(i + 1);
    return Nepakeista(vieta) ? vieta.Zodis.LaikoDaiktavardis : YraLaikoDaiktavardis(kandidatai);
  }

  // The parts of speech the word after `i` may take.
  std::uint32_t KitoDalys(int i) {
    const int k = i + 1;
    if (!s_.Yra(k)) return 0;
    const TZodis& kitas = s_.Zodziai[k];
    if (kitas.KalbosDalis == dSkyriklis) return DaliesBitas(dSkyriklis);
    if (!MenuoMay(eiga_, k) && VidinioDalis(k) != KandidatuAtmintis::NeVidinis)
      return DaliesBitas(static_cast<std::uint8_t>(VidinioDalis(k)));
    Sarasas(k);
    std::uint32_t dalys = vietos_[static_cast<std::size_t>(k)].Zodis.Dalys;
    if (dalys == 0 && kitas.Tikrinis == 1) dalys = DaliesBitas(dDaiktavardis);  // a name
    return dalys;
  }

  PaieskosEiga& Eiga() { return eiga_; }

 private:
  // What word i has taken from the memory, and the dictionaries' versions then.
  struct Vieta {
    KandidatuAtmintis::Zodis Zodis;
    std::uint64_t Pagrindinio = 0;
    std::uint64_t Vartotojo = 0;
    bool SarasasImtas = false;  // the candidates are the word's for the rest of the sentence
  };

  // Whether word i is a built-in word depends on the word alone, not on the form of address.
  std::int16_t VidinioDalis(int i) {
    Vieta& vieta = vietos_[static_cast<std::size_t>(i)];
    if (!vieta.Zodis.Kandidatai) Imti(i, vieta);
    return vieta.Zodis.VidinioDalis;
  }

  // A word's candidates are the dictionaries' at the first time they are asked for.
  const TZodziuList& Sarasas(int i) {
    Vieta& vieta = vietos_[static_cast<std::size_t>(i)];
    if (!vieta.SarasasImtas) {
      if (!vieta.Zodis.Kandidatai || !Nepakeista(vieta)) Imti(i, vieta);
      vieta.SarasasImtas = true;
    }
    return *vieta.Zodis.Kandidatai;
  }

  bool Nepakeista(const Vieta& vieta) const {
    return vieta.Pagrindinio == aplinka_.Zodynai.PagrindinisZodynas.Versija() &&
           vieta.Vartotojo == aplinka_.Zodynai.VartotojoZodynas.Versija();
  }

  static bool YraLaikoDaiktavardis(const TZodziuList& kandidatai) {
    for (int c = 0; c < kandidatai.Kiekis(); ++c)
      if (kandidatai[c].KalbosDalis == dDaiktavardis && kandidatai[c].Irasas &&
          kandidatai[c].Irasas->Duomenys.Kategorija() == KategorijaLaikas)
        return true;
    return false;
  }

  void Imti(int i, Vieta& vieta) {
    const std::string& angl = s_.Zodziai[i].Angl;
    vieta.Pagrindinio = aplinka_.Zodynai.PagrindinisZodynas.Versija();
    vieta.Vartotojo = aplinka_.Zodynai.VartotojoZodynas.Versija();
    if (const KandidatuAtmintis::Zodis* rasta = aplinka_.Atmintis.Rasti(aplinka_.Zodynai, angl)) {
      vieta.Zodis = *rasta;
      return;
    }
    auto kandidatai = std::make_shared<TZodziuList>();
    IeskotiKandidatu(aplinka_.Zodynai, angl, *kandidatai);
    vieta.Zodis.Dalys = 0;
    for (int c = 0; c < kandidatai->Kiekis(); ++c)
      vieta.Zodis.Dalys |= DaliesBitas((*kandidatai)[c].KalbosDalis);
    vieta.Zodis.LaikoDaiktavardis = YraLaikoDaiktavardis(*kandidatai);
    vieta.Zodis.Kandidatai = std::move(kandidatai);
    TZodis vidinis;
    vieta.Zodis.VidinioDalis = AtpazintiVidini(aplinka_.Zodynai, angl, vidinis)
                                   ? vidinis.KalbosDalis
                                   : KandidatuAtmintis::NeVidinis;
    aplinka_.Atmintis.Isiminti(angl, vieta.Zodis);
  }

  // A British spelling the dictionary lacks is looked up in its American spelling; the
  // candidates keep the English word as written.
  static void IeskotiKandidatu(ZodynuRinkinys& zodynai, const std::string& angl,
                               TZodziuList& sarasas) {
    IeskotiZodyne(zodynai, angl, sarasas);
    if (sarasas.Kiekis() == 0)
      for (const std::string& variantas : AmerikietiskaRasyba(angl)) {
        if (sarasas.Kiekis() > 0) break;
        IeskotiZodyne(zodynai, variantas, sarasas);
      }
    for (int c = 0; c < sarasas.Kiekis(); ++c) sarasas[c].Angl = angl;
  }

  Aplinka& aplinka_;
  TSakinys& s_;
  PaieskosEiga eiga_;
  std::vector<Vieta> vietos_;
};

// A name: a word the dictionaries lack written with a capital, or any word after a title or
// right after such a name ("Mr Green", "John Green"), read by context.
bool Vardas(const Aplinka& aplinka, const TZodziuList& variantai, const PaieskosEiga& eiga, int i) {
  const TSakinys& s = eiga.Sakinys();
  const TZodis& zodis = s.Zodziai[i];
  if (zodis.Tikrinis != 1 || !GaliButiVardas(zodis.Angl)) return false;
  if (variantai.Kiekis() == 0) return true;
  if (!aplinka.KontekstoTaisykle || eiga.SakinioPradzia(i)) return false;
  const bool poVardo = s.DalisYra(i - 1, dDaiktavardis) && s.Zodziai[i - 1].Irasas &&
                       s.Zodziai[i - 1].Irasas->Duomenys.Pozymis() == 1 &&
                       s.Zodziai[i - 1].Tikrinis == 1 && !eiga.SakinioPradzia(i - 1);
  return PoTitulo(s, i) || poVardo;
}

// The candidate of word i's list that automatic lookup takes; the list is not empty.
const TZodis& AutomatinisKandidatas(Aplinka& aplinka, SakinioKandidatai& kandidatai,
                                    const TZodziuList& variantai, int i) {
  const ParinkimoKontekstas k{kandidatai.Eiga(), i, kandidatai.KitoDalys(i),
                              kandidatai.KitasLaikas(i), aplinka.KontekstoTaisykle};
  return ParinktiKandidata(variantai, k);
}

bool Skaitmenys(std::string_view angl) {
  return !angl.empty() && angl.find_first_not_of("0123456789") == std::string_view::npos;
}

void ImtiAutomatiskai(Aplinka& aplinka, SakinioKandidatai& kandidatai, const TZodziuList& variantai,
                      TSakinys& s, int i) {
  TZodis& zodis = s.Zodziai[i];
  if (Vardas(aplinka, variantai, kandidatai.Eiga(), i)) {
    PerimtiKandidata(VardoKandidatas(aplinka, s, i), zodis);
  } else if (variantai.Kiekis() == 0) {
    RodytiAngliska(zodis);
    // "300 pages": a number the dictionary has no entry for is a numeral all the same.
    if (Skaitmenys(zodis.Angl)) zodis.KalbosDalis = dSkaitvardis;
  } else {
    PerimtiKandidata(AutomatinisKandidatas(aplinka, kandidatai, variantai, i), zodis);
  }
}

// The candidate automatic lookup would take, 1-based, for the question to offer; 0 when it takes
// none of the list (an unknown word, or a name read from the context).
int AutomatinisNumeris(Aplinka& aplinka, SakinioKandidatai& kandidatai, int i) {
  const TZodziuList& variantai = aplinka.Variantai.Zodziai;
  if (variantai.Kiekis() == 0 || Vardas(aplinka, variantai, kandidatai.Eiga(), i))
    return NeraPasirinkimo;
  const TZodis& parinktas = AutomatinisKandidatas(aplinka, kandidatai, variantai, i);
  for (int c = 0; c < variantai.Kiekis(); ++c)
    if (&variantai[c] == &parinktas) return c + 1;
  return NeraPasirinkimo;
}

// Asks about a word with no candidate or several and applies the answer to the candidate list as
// it is afterwards. An answer outside that list counts as no answer.
void Klausti(Aplinka& aplinka, SakinioKandidatai& kandidatai, TSakinys& s, int i) {
  TZodis& zodis = s.Zodziai[i];
  const TZodziuList& variantai = aplinka.Variantai.Zodziai;  // the answer may refill it
  const std::uint8_t rezimas = variantai.Kiekis() == 0 ? rezNezinomas : rezDaugiaprasmis;
  const int pasirinktas =
      aplinka.Klausejas == nullptr
          ? NeraPasirinkimo
          : aplinka.Klausejas->Klausti(rezimas, KlausimoSakinys(s), std::string(zodis.Angl),
                                       AutomatinisNumeris(aplinka, kandidatai, i), aplinka);
  if (pasirinktas == AtsauktiVertima) throw VertimasAtsauktas();
  if (pasirinktas >= 1 && pasirinktas <= variantai.Kiekis())
    PerimtiKandidata(variantai[pasirinktas - 1], zodis);
  else if (rezimas == rezNezinomas || pasirinktas == PaliktiAngliska)
    RodytiAngliska(zodis);
  else
    ImtiAutomatiskai(aplinka, kandidatai, variantai, s, i);
}

// The question shows, and its answer may refill, `aplinka.Variantai`.
void ImtiSuKoregavimu(Aplinka& aplinka, SakinioKandidatai& kandidatai, const TZodziuList& variantai,
                      TSakinys& s, int i) {
  for (int c = 0; c < variantai.Kiekis(); ++c) aplinka.Variantai.Zodziai.Prideti(variantai[c]);
  if (aplinka.Variantai.Kiekis() == 1)
    PerimtiKandidata(aplinka.Variantai.Zodziai[0], s.Zodziai[i]);
  else
    Klausti(aplinka, kandidatai, s, i);
}

template <typename Sprendimas>
void SurastiKiekviena(Aplinka& aplinka, TSakinys& saltinis, Sprendimas sprendimas) {
  SakinioKandidatai kandidatai(aplinka, saltinis);
  for (int i = 0; i < saltinis.Kiekis(); ++i)
    if (const TZodziuList* variantai = kandidatai.Ieskoti(i)) sprendimas(kandidatai, *variantai, i);
  IssprestiSutrumpinimus(aplinka.Zodynai, saltinis);
  SutvarkytiFrazes(aplinka, saltinis);
}

}  // namespace

void PerimtiKandidata(const TZodis& kandidatas, TZodis& zodis) {
  PerimtiPozymius(kandidatas, zodis);
  if (kandidatas.Tikrinis == 1) zodis.Tikrinis = 1;
  // English capitalises the names of days and months; Lithuanian does not.
  if (kandidatas.Irasas && MazojiRaideLietuviskai(kandidatas.Irasas->Duomenys)) zodis.Tikrinis = 0;
}

void SurastiAutomatiskai(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis,
                   [&](SakinioKandidatai& kandidatai, const TZodziuList& variantai, int i) {
                     ImtiAutomatiskai(aplinka, kandidatai, variantai, saltinis, i);
                   });
}

void SurastiSuKoregavimu(Aplinka& aplinka, TSakinys& saltinis) {
  SurastiKiekviena(aplinka, saltinis,
                   [&](SakinioKandidatai& kandidatai, const TZodziuList& variantai, int i) {
                     ImtiSuKoregavimu(aplinka, kandidatai, variantai, saltinis, i);
                   });
}

void SurastiSakinioZodzius(Aplinka& aplinka, TSakinys& saltinis) {
  if (aplinka.AutomatinisVertimas == 1)
    SurastiAutomatiskai(aplinka, saltinis);
  else
    SurastiSuKoregavimu(aplinka, saltinis);
}

std::string KlausimoSakinys(const TSakinys& sakinys) {
  std::string tekstas;
  bool pirmas = true;
  for (int i = 0; i < sakinys.Kiekis(); ++i) {
    const TZodis& zodis = sakinys.Zodziai[i];
    const bool skyriklis = zodis.KalbosDalis == dSkyriklis;
    if (!zodis.Angl.empty()) {
      if (pirmas)
        tekstas += DidziojiRaide(zodis.Angl);
      else
        tekstas += (skyriklis ? "" : " ") + zodis.Angl;
      pirmas = false;
    }
    if (skyriklis && !zodis.Liet.empty() &&
        (zodis.Liet[0] == '.' || zodis.Liet[0] == '!' || zodis.Liet[0] == '?'))
      tekstas += ' ';
  }
  return tekstas;
}

}  // namespace kervosta
