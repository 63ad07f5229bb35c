// The paradigm display, one word of each kind, compared block by block as the user reads it.
#include "morphology/paradigmos_rodymas.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1257.h"
#include "irasai.h"
#include "lexicon/zodyno_sarasas.h"

namespace kervosta {
namespace {

// A looked-up word of the given kind, found in an entry of `sarasas`.
TZodis Zodis(ZodynoSarasas& sarasas, std::uint8_t dalis, const char* angl, const char* liet,
             ZodynoIrasas irasas) {
  TZodis zodis;
  zodis.KalbosDalis = dalis;
  zodis.Angl = angl;
  zodis.Liet = IsUtf8(liet).Tekstas;
  zodis.Irasas = sarasas.Prideti(irasas);
  return zodis;
}

// The whole report as UTF-8, one line after another.
std::string Ataskaita(const TZodis& zodis) {
  std::vector<std::string> eilutes;
  RodytiParadigma(zodis, eilutes);
  std::string tekstas;
  for (const std::string& e : eilutes) tekstas += IUtf8(e) + "\n";
  return tekstas;
}

TEST(RodytiParadigma, NounShowsItsFeaturesEnglishFormsAndBothNumbersWithoutTheVocative) {
  ZodynoSarasas sarasas;
  ZodynoIrasas irasas = testai::Irasas("vyr", 0);
  irasas.NustatytiTeksta(TekstoLaukas::Angl2, "man");
  irasas.NustatytiTeksta(TekstoLaukas::Angl3, "men");
  TZodis vyras = Zodis(sarasas, dDaiktavardis, "men", "vyrus", irasas);
  vyras.Linksnis = zlGalininkas;
  vyras.Gimine = zgVyriska;
  vyras.Skaicius = zskDaugiskaita;
  EXPECT_EQ(Ataskaita(vyras),
            "Žodis: men\nVertimas: vyrus\nGalininko linksnis\nVyriška giminė\nDaugiskaita\n"
            "Kalbos dalis: Daiktavardis \n\n"
            "Angliškas žodis\nVienaskaita: man\nDaugiskaita: men\n\n"
            "Lietuviškas žodis\nKamienas: vyr\n\n"
            "Vienaskaita: \n"
            "Vardininkas (kas?): vyras\nKilmininkas (ko?) : vyro\nNaudininkas (kam?): vyrui\n"
            "Galininkas  (ką?) : vyrą\nĮnagininkas (kuo?): vyru\nVietininkas (kur?): vyre\n\n"
            "Daugiskaita: \n"
            "Vardininkas (kas?): vyrai\nKilmininkas (ko?) : vyrų\nNaudininkas (kam?): vyrams\n"
            "Galininkas  (ką?) : vyrus\nĮnagininkas (kuo?): vyrais\nVietininkas (kur?): vyruose\n");

  // Without an entry only the header is known; a feature outside its labels has no line.
  TZodis be;
  be.KalbosDalis = dDaiktavardis;
  be.Angl = "zyx";
  be.Liet = "zyx";
  be.Linksnis = BeLinksnio;
  be.Gimine = 9;
  EXPECT_EQ(Ataskaita(be), "Žodis: zyx\nVertimas: zyx\nVienaskaita\nKalbos dalis: Daiktavardis \n");
}

TEST(RodytiParadigma, AdjectiveShowsThreeDegreesOfBothGenders) {
  ZodynoSarasas sarasas;
  ZodynoIrasas irasas = testai::Irasas("ger", 0, 0);
  irasas.NustatytiTeksta(TekstoLaukas::Angl2, "good");
  irasas.NustatytiTeksta(TekstoLaukas::Angl3, "better");
  irasas.NustatytiTeksta(TekstoLaukas::Angl4, "best");
  const std::string ataskaita = Ataskaita(Zodis(sarasas, dBudvardis, "good", "geras", irasas));
  EXPECT_EQ(ataskaita.substr(0, ataskaita.find("\n\nVyriška")),
            "Žodis: good\nVertimas: geras\nVardininko linksnis\nBendroji giminė\nVienaskaita\n"
            "Žodis: good\nKalbos dalis: Būdvardis \n\n"
            "Angliškas žodis\nBendras         : good\nAukštesnysis l. : better\n"
            "Aukščiausias l. : best\n\nLietuviškas žodis\nKamienas: ger");
  // Each degree: masculine then feminine, singular then plural; no line names the degree.
  EXPECT_NE(ataskaita.find("\n\nMoteriška giminė\n\nVienaskaita: \nVardininkas (kas?): gera\n"
                           "Kilmininkas (ko?) : geros\n"),
            std::string::npos);
  EXPECT_NE(ataskaita.find("\n\nVyriška giminė\n\nVienaskaita: \nVardininkas (kas?): geresnis\n"),
            std::string::npos);
  EXPECT_NE(ataskaita.find("Daugiskaita: \nVardininkas (kas?): geriausios\nKilmininkas (ko?) : "
                           "geriausių\n"),
            std::string::npos);
  EXPECT_EQ(std::count(ataskaita.begin(), ataskaita.end(), '\n'), 15 + 3 * 2 * (2 + 2 * 8));
}

TEST(RodytiParadigma, OnlyADeclinableDictionaryPronounGetsItsTables) {
  ZodynoSarasas sarasas;
  TZodis sis = Zodis(sarasas, dIvardis, "this", "šis", testai::Irasas(IsUtf8("š").Tekstas, 1, 0, 1));
  const std::string ataskaita = Ataskaita(sis);
  EXPECT_EQ(ataskaita.substr(0, ataskaita.find("\n\nMoteriška giminė")),
            "Žodis: this\nVertimas: šis\nVardininko linksnis\nBendroji giminė\nVienaskaita\n"
            "Žodis: this\nKalbos dalis: Įvardis \n\n"
            "Angliškas žodis\nthis\n\nLietuviškas žodis\nšis\n\n"
            "Vyriška giminė\n\nVienaskaita: \n"
            "Vardininkas (kas?): šis\nKilmininkas (ko?) : šio\nNaudininkas (kam?): šiam\n"
            "Galininkas  (ką?) : šį\nĮnagininkas (kuo?): šiuo\nVietininkas (kur?): šiame\n\n"
            "Daugiskaita: \n"
            "Vardininkas (kas?): šie\nKilmininkas (ko?) : šių\nNaudininkas (kam?): šiems\n"
            "Galininkas  (ką?) : šiuos\nĮnagininkas (kuo?): šiais\nVietininkas (kur?): šiuose");

  // Not declinable, or a built-in word: the header and the two words only.
  const std::string tik = "Žodis: mine\nVertimas: mano\nVardininko linksnis\nBendroji giminė\n"
                          "Vienaskaita\nŽodis: mine\nKalbos dalis: Įvardis \n\n"
                          "Angliškas žodis\nmine\n\nLietuviškas žodis\nmano\n";
  EXPECT_EQ(Ataskaita(Zodis(sarasas, dIvardis, "mine", "mano", testai::Irasas("mano", -1, 0, 0))),
            tik);
  TZodis vidinis = sis;
  vidinis.Angl = "mine";
  vidinis.Liet = "mano";
  vidinis.Vidinis = 1;
  EXPECT_EQ(Ataskaita(vidinis), tik);
}

TEST(RodytiParadigma, ReflexiveVerbShowsEveryTenseMoodAndParticiple) {
  ZodynoSarasas sarasas;
  ZodynoIrasas irasas = testai::Veiksmazodis("moky", "mok", "mok", 7, 3, 1);
  for (auto [laukas, tekstas] : {std::pair{TekstoLaukas::Angl1, "learn"}, {TekstoLaukas::Angl2, "learns"},
                                  {TekstoLaukas::Angl3, "learned"}, {TekstoLaukas::Angl4, "learned"},
                                  {TekstoLaukas::Angl5, "learning"}})
    irasas.NustatytiTeksta(laukas, tekstas);
  TZodis zodis = Zodis(sarasas, dVeiksmazodis, "learn", "mokytis", irasas);
  zodis.Asmuo = 1;
  zodis.Laikas = zlkEsamasis;
  zodis.Linksnis = BeLinksnio;
  const std::string ataskaita = Ataskaita(zodis);
  EXPECT_EQ(ataskaita.substr(0, ataskaita.find("\n\nEsamasis laikas: ")),
            "Žodis: learn\nVertimas: mokytis\nI asmuo (Aš)\nEsamasis laikas\nTiesioginė nuosaka\n"
            "Vienaskaita\nBendroji giminė\nŽodis: learn\nKalbos dalis: Veiksmažodis \n\n"
            "Angliškas žodis\nThe infinitive     : learn\nThe infinitive III : learns\n"
            "The past indefinite: learned\nThe past participle: learned\n"
            "Present continuous : learning\n\nLietuviškas žodis\nKamienas: moky\n\n"
            "Bendratis: mokytis");
  for (const char* blokas :
       {"\n\nEsamasis laikas: \nAš     : mokausi\nTu     : mokaisi\nJis/Ji : mokosi\n"
        "Mes    : mokomės\nJūs    : mokotės\nJie/Jos: mokosi\n",
        "\n\nLiepiamoji nuosaka: \nAš     : \nTu     : mokykis\n",
        "\n\nDalyvis\n\nVeikiamoji rūšis: \nEsamasis laikas: \nVyriška giminė: \nVienaskaita: \n"
        "Vard  : ",
        "\n\nVeikiamoji rūšis: \nBūt.k laikas: \nMoteriška giminė: \nVienaskaita: \n",
        "\n\nNeVeikiamoji rūšis: \nBūtasis k. laikas: \nMoteriška giminė: \nDaugiskaita: \n"})
    EXPECT_NE(ataskaita.find(blokas), std::string::npos) << blokas;
  // One block of six a tense and mood, sixteen active and eight passive participle blocks.
  EXPECT_EQ(std::count(ataskaita.begin(), ataskaita.end(), '\n'),
            21 + 6 * 8 + 2 * 2 + 16 * 11 + 8 * 11);

  // A built-in verb has no entry to conjugate.
  TZodis turi;
  turi.KalbosDalis = dVeiksmazodis;
  turi.Vidinis = 1;
  turi.Nr = 6;
  turi.Angl = "has";
  turi.Liet = "turi";
  EXPECT_EQ(Ataskaita(turi).substr(Ataskaita(turi).rfind("Žodis")),
            "Žodis: has\nKalbos dalis: Veiksmažodis \n");
}

TEST(RodytiParadigma, OtherWordsNameTheirPartOfSpeech) {
  const std::pair<std::uint8_t, const char*> atvejai[] = {
      {dSkaitvardis, "Skaitvardis"}, {dAsmKitas, "Įvardis"}, {dPagalbinis, "Pap."},
      {dNezinoma, "Nežinoma k.d."},   {40, nullptr}};
  for (const auto& [dalis, eilute] : atvejai) {
    TZodis z;
    z.KalbosDalis = dalis;
    z.Angl = "x";
    z.Liet = "y";
    EXPECT_EQ(Ataskaita(z), std::string("Žodis: x\nVertimas: y\n") + (eilute ? eilute + std::string("\n") : ""));
  }
}

}  // namespace
}  // namespace kervosta
