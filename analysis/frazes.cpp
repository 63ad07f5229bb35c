#include "analysis/frazes.h"

#include <array>
#include <string>
#include <string_view>

#include "analysis/kandidatu_parinkimas.h"
#include "analysis/sakinio_paieska.h"
#include "analysis/zodzio_paieska.h"
#include "analysis/zodziu_aibe.h"
#include "core/cp1257.h"

namespace kervosta {

namespace {

using namespace literals;

// The word says `tekstas`, an adverb that nothing declines.
void Prieveiksmis(TZodis& z, std::string_view tekstas) {
  z.Liet = std::string(tekstas);
  z.KalbosDalis = dPrieveiksmis;
  z.Linksnis = BeLinksnio;
  z.Irasas = nullptr;
}

// The word says nothing: its meaning went into the word before it.
void Nutildyti(TZodis& z) {
  z.Liet.clear();
  z.KalbosDalis = dNezinoma;
}

struct Fraze {
  std::string_view Pirmas, Antras;  // the English words
  std::string_view Liet;            // what the first says; the second says nothing
};

// "how many" leaves "many" its genitive ("kiek knygų"): only its text goes.
constexpr Fraze Frazes[] = {
    {"thank", "you", "ačiū"_lt},
    {"excuse", "me", "atsiprašau"_lt},
};

bool Fraze2(TSakinys& s, int i) {
  for (const Fraze& f : Frazes) {
    if (!s.ZodisYra(i, f.Pirmas) || !s.ZodisYra(i + 1, f.Antras)) continue;
    Prieveiksmis(s.Zodziai[i], f.Liet);
    Nutildyti(s.Zodziai[i + 1]);
    return true;
  }
  if (!s.ZodisYra(i, "how")) return false;
  if (s.ZodisYra(i + 1, "much") || s.ZodisYra(i + 1, "many")) {
    Prieveiksmis(s.Zodziai[i], "kiek");
    s.Zodziai[i + 1].Liet.clear();
    return true;
  }
  if (s.ZodisYra(i + 1, "long") && !s.DalisYra(i + 2, dDaiktavardis)) {
    Prieveiksmis(s.Zodziai[i], "kiek");
    Prieveiksmis(s.Zodziai[i + 1], "laiko");
    return true;
  }
  return false;
}

// "would like" is "norėti": "I'd like a cup of tea" Norėčiau puodelio arbatos.
void NoretuMegti(Aplinka& aplinka, TZodis& like) {
  TZodziuList want;
  IeskotiZodyne(aplinka.Zodynai, "want", want);
  for (int c = want.Kiekis() - 1; c >= 0; --c) {
    if (want[c].KalbosDalis != dVeiksmazodis || want[c].AnglForma != like.AnglForma) continue;
    PerimtiKandidata(want[c], like);
    return;
  }
}

// "at home", "be home" namie; "go home" namo.
void Namie(TSakinys& s, int i) {
  TZodis& home = s.Zodziai[i];
  if (s.ZodisYra(i - 1, "at"))
    s.Zodziai[i - 1].Liet.clear();
  else if (home.KalbosDalis != dPrieveiksmis ||
           (s.Yra(i - 1) && JudejimoVeiksmazodis(s.Zodziai[i - 1])))
    return;
  Prieveiksmis(home, "namie");
}

TZodis Skyriklis(std::string_view zenklas) {
  TZodis z;
  z.Angl = z.Liet = std::string(zenklas);
  z.KalbosDalis = dSkyriklis;
  return z;
}

// A subject right after a verb starts a clause of its own: "I think you're right" Manau, kad
// jūs teisūs. Lithuanian joins it with ", kad"; a "that" English has is "kad" already and takes
// the comma only. A verb of the dictionary: the auxiliaries of a question ("Do you know?") start
// no clause. Returns how many words went in.
int SalutinisSakinys(TSakinys& s, int i) {
  const TZodis& veiksmazodis = s.Zodziai[i - 1];
  if (veiksmazodis.KalbosDalis != dVeiksmazodis || veiksmazodis.Vidinis == 1 ||
      !veiksmazodis.Irasas)
    return 0;
  const bool that = s.ZodisYra(i, "that") && s.DalisYra(i, dJungtukas);
  const TZodis& z = s.Zodziai[i];
  const bool vardas = z.KalbosDalis == dDaiktavardis && z.Tikrinis == 1 && z.Irasas &&
                      z.Irasas->Duomenys.Pozymis() == 1;
  const bool veiksnys = s.AsmeninisIvardis(i) || vardas;
  if (!that && !(veiksnys && s.VeiksmazodinisZodis(i + 1) && !s.AsmeninisIvardis(i + 1)))
    return 0;
  s.Zodziai.Iterpti(i, Skyriklis(","));
  if (that) return 1;
  TZodis kad;
  kad.Liet = "kad";
  kad.KalbosDalis = dJungtukas;
  s.Zodziai.Iterpti(i + 1, std::move(kad));
  return 2;
}

// The words the phrases above start with; any other word can only start a clause.
constexpr ZodziuAibe FraziuZodziai(
    std::to_array<std::string_view>({"thank", "excuse", "how", "like", "home", "-"}));

constexpr bool VisosFrazes() {
  for (const Fraze& f : Frazes)
    if (!FraziuZodziai.Turi(f.Pirmas)) return false;
  return true;
}
static_assert(VisosFrazes(), "a phrase starts with a word the set lacks");

}  // namespace

void SutvarkytiFrazes(Aplinka& aplinka, TSakinys& s) {
  for (int i = 0; i < s.Kiekis(); ++i) {
    const bool frazesZodis = FraziuZodziai.Turi(s.Zodziai[i].Angl);
    if (frazesZodis && Fraze2(s, i)) {
      ++i;
      continue;
    }
    if (frazesZodis && s.ZodisYra(i, "like") && s.DalisYra(i, dVeiksmazodis) &&
        s.ZodisYra(i - 1, "would"))
      NoretuMegti(aplinka, s.Zodziai[i]);
    if (frazesZodis && s.ZodisYra(i, "home")) Namie(s, i);
    if (frazesZodis && s.ZodisYra(i, "-") && s.DalisYra(i - 1, dSkaitvardis) &&
        s.DalisYra(i + 1, dSkaitvardis))
      s.Zodziai.Pasalinti(i--);
    else if (i > 0 && i + 1 < s.Kiekis())
      i += SalutinisSakinys(s, i);
  }
}

}  // namespace kervosta
