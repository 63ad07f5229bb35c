#include "analysis/grupavimas.h"

#include "analysis/grupavimo_taisykles.h"
#include "analysis/grupavimo_zingsniai.h"
#include "analysis/veiksmazodziu_grupes.h"

namespace kervosta {

namespace {

std::uint8_t TipasPagalDali(std::uint8_t dalis) {
  switch (dalis) {
    case dDaiktavardis:
    case dIvardis:
    case dBudvardis:
    case dDeterminantas:
    case dSkaitvardis:
    case dAsmVardininkas:
    case dAsmKitas: return gtDaikt;
    case dVeiksmazodis: return gtVeiksm;
    case dPrieveiksmis: return gtPriev;
    case dPagalbinis: return gtTarnyb;
    case dPrielinksnis: return gtPriel;
    case dSkyriklis:
    case dJungtukas: return gtSkyrJung;
    default: return gtKita;
  }
}

bool LaikoPradzia(const TZodis& z) {
  return z.Angl == "every" || z.Angl == "each" || z.Angl == "next" || z.Angl == "last";
}

bool PriesArtikeli(const TZodis& z) {
  return z.Angl == "such" || z.Angl == "what" || z.Angl == "quite" || z.Angl == "half";
}

// How many of the words from `j` on continue a group of the type: 0 ends the group; 2 when a
// linking adverb or conjunction is taken together with the word after it.
int Tesinys(const TSakinys& s, int j, std::uint8_t tipas) {
  switch (tipas) {
    case gtDaikt:
      // A noun ends its phrase: what follows it, but another noun, starts the next one ("the sea
      // last summer", "ten years old"). An owner in the genitive ("Tom's new car") goes on.
      if (s.DalisYra(j - 1, dDaiktavardis) && s.Zodziai[j - 1].Linksnis != zlKilmininkas &&
          !s.DalisYra(j, dDaiktavardis))
        return 0;
      // "open every day", "twenty next month": these words start a time phrase of their own.
      if (s.Yra(j) && LaikoPradzia(s.Zodziai[j])) return 0;
      // "such a big dog", "what a day": the article goes on with the word before it.
      if (s.DalisYra(j, dDeterminantas) && s.Yra(j - 1) && PriesArtikeli(s.Zodziai[j - 1]))
        return 1;
      // A numeral goes on with the group too: "on the third table" is one phrase.
      if (s.VardazodinisZodis(j) || s.DalisYra(j, dSkaitvardis)) return 1;
      if ((s.DalisYra(j, dPrieveiksmis) || s.DalisYra(j, dJungtukas)) && s.VardazodinisZodis(j + 1))
        return 2;
      return 0;
    case gtVeiksm:
      if (s.DalisYra(j, dVeiksmazodis)) return 1;
      return s.DalisYra(j, dJungtukas) && s.DalisYra(j + 1, dVeiksmazodis) ? 2 : 0;
    case gtPriev: return s.DalisYra(j, dPrieveiksmis) ? 1 : 0;
    case gtTarnyb: return s.DalisYra(j, dPagalbinis) ? 1 : 0;
    case gtPriel: return s.DalisYra(j, dPrielinksnis) ? 1 : 0;
    case gtKita: return s.DalisYra(j, dNezinoma) ? 1 : 0;
    default: return 0;
  }
}

void Skaiciuoti(SGList& grupes, std::uint8_t tipas) {
  switch (tipas) {
    case gtDaikt: ++grupes.DaiktSk; break;
    case gtVeiksm: ++grupes.VeiksmSk; break;
    case gtPriev: ++grupes.PrievSk; break;
    case gtPriel: ++grupes.PrielSk; break;
    case gtTarnyb: ++grupes.TarnybSk; break;
    case gtKita: ++grupes.KitaSk; break;
    default: break;  // separators and conjunctions are not counted
  }
}

void PridetiZodi(SGrupe& grupe, TZodis* zodis) {
  if (!grupe.Zodziai.empty()) ++grupe.Pabaiga;
  grupe.Zodziai.push_back(zodis);
  if (zodis->KalbosDalis == dVeiksmazodis && zodis->Veikiamoji == 0) grupe.Aktyvi = 0;
}

// The steps that need the roles and cases settled.
void PoVaidmenu(SGList& grupes) {
  BeasmeniaiSakiniai(grupes);
  SujungtosGrupes(grupes);
  KiekiaiValdo(grupes);
  SavoIvardziai(grupes);
  KasLinksniuojamas(grupes);
}

std::uint8_t AntrasisAsmuo(const Aplinka& aplinka) {
  return aplinka.Kreipinys == KreipinioForma::Tu ? 2 : 5;
}

void KurtiTiksla(SGList& grupes, TSakinys& vertinys) {
  vertinys.Zodziai.Isvalyti();
  for (int g = 0; g < grupes.Grupes.Kiekis(); ++g)
    for (const TZodis* zodis : grupes.Grupes[g].Zodziai) vertinys.Zodziai.Prideti(*zodis);
}

}  // namespace

void SudarytiGrupes(TSakinys& saltinis, SGList& grupes) {
  int i = 0;
  while (i < saltinis.Kiekis()) {
    SGrupe grupe;
    grupe.Tipas = TipasPagalDali(saltinis.Zodziai[i].KalbosDalis);
    grupe.Pradzia = grupe.Pabaiga = i;
    grupe.Indeksas = grupes.Grupes.Kiekis();
    PridetiZodi(grupe, saltinis.Zodziai.Rodykle(i));
    while (const int kiek = Tesinys(saltinis, grupe.Pabaiga + 1, grupe.Tipas))
      for (int k = 0; k < kiek; ++k) PridetiZodi(grupe, saltinis.Zodziai.Rodykle(grupe.Pabaiga + 1));
    i = grupe.Pabaiga + 1;
    const std::uint8_t tipas = grupe.Tipas;
    grupes.Paskutine = grupes.Grupes.Prideti(std::move(grupe));
    Skaiciuoti(grupes, tipas);
  }
}

void AnalizuotiSakini(const Aplinka& aplinka, TSakinys& saltinis, TSakinys& vertinys) {
  SGList grupes;
  AnalizuotiVeiksmazodzius(saltinis);
  SudarytiGrupes(saltinis, grupes);
  if (aplinka.GramatineAnalize) {
    ApdorotiPradiniVeiksmazodi(grupes, AntrasisAsmuo(aplinka));
    LaikoAplinkybes(grupes, aplinka.Zodynai);
    ReikiaIrNe(grupes);
    PrielinksniaiValdo(grupes);
    VeiksmazodziaiPerduodaLinksni(grupes);
    NustatytiVaidmenis(grupes, aplinka.Zodynai);
    DerintiDaiktavardziuGrupes(grupes);
    PrieveiksmiaiValdo(grupes);
    PoVaidmenu(grupes);
  }
  KurtiTiksla(grupes, vertinys);
}

void AnalizuotiSakiniLangui(const Aplinka& aplinka, TSakinys& saltinis, TSakinys& vertinys,
                            SGList& grupes) {
  // A fresh list: counters left from an earlier sentence would tell the adverb step that this
  // sentence has adverb groups.
  grupes = SGList{};
  AnalizuotiVeiksmazodzius(saltinis);
  SudarytiGrupes(saltinis, grupes);
  ApdorotiPradiniVeiksmazodi(grupes, AntrasisAsmuo(aplinka));
  LaikoAplinkybes(grupes, aplinka.Zodynai);
  ReikiaIrNe(grupes);
  PrielinksniaiValdo(grupes);
  DerintiDaiktavardziuGrupes(grupes);
  NustatytiVaidmenis(grupes, aplinka.Zodynai);
  VeiksmazodziaiPerduodaLinksni(grupes);
  PrieveiksmiaiValdo(grupes);
  PoVaidmenu(grupes);
  KurtiTiksla(grupes, vertinys);
}

}  // namespace kervosta
