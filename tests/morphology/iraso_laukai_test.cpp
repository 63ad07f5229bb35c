// The entry editor's pages as values: the records they save, the values shown for a record, the
// refusals, the example lines and the English forms filled in while typing.
#include "morphology/iraso_laukai.h"

#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "morphology/iraso_pavyzdziai.h"

namespace kervosta {
namespace {

using namespace literals;
using SL = SkaiciausLaukas;
using TL = TekstoLaukas;

std::string Lt(const char* utf8) { return IsUtf8(utf8).Tekstas; }

std::vector<std::string> Eilutes(std::initializer_list<std::string_view> eilutes) {
  return {eilutes.begin(), eilutes.end()};
}

DaiktavardzioLaukai Namas() {
  return {.Vienaskaita = "house", .Daugiskaita = "houses", .Kamienas = "nam", .Kategorija = 6};
}

VeiksmazodzioLaukai Vaikscioti() {
  return {.Bendratis = "walk", .TreciasisAsmuo = "walks", .AntraForma = "walked",
          .TreciaForma = "walked", .IngForma = "walking", .Kamienas = Lt("vaikščio"),
          .Klausimas = 4, .Kategorija = 2, .EsamasKamienas = Lt("vaikšt"), .EsamojoKlase = 3,
          .ButasKamienas = Lt("vaikščioj"), .ButojoKlase = 0, .BusimasKamienas = Lt("vaikščio"),
          .BusimojoKlase = 0};
}

TEST(IrasoLaukai, NounStoresItsEnglishFormsByNumberAndItsCitationForm) {
  const ZodynoIrasas namas = SudarytiIrasa(Namas());
  EXPECT_EQ(namas.DaliesKodas(), 1);
  EXPECT_EQ(namas.Kategorija(), 6);
  EXPECT_EQ(namas.Angl1(), "house");
  EXPECT_EQ(namas.Angl2(), "house");
  EXPECT_EQ(namas.Angl3(), "houses");
  EXPECT_EQ(namas.Kamienas(), "nam");
  EXPECT_EQ(namas.LietZodis(), "namas");

  // Used in one number only, the English word fills all three forms; a Lithuanian plural-only
  // noun is cited in the plural.
  DaiktavardzioLaukai zirkles{.Vienaskaita = "scissor", .Daugiskaita = "scissors",
                              .AnglSkaicius = 2, .Kamienas = Lt("žirkl"), .Gimine = 1,
                              .LietSkaicius = 2, .Linksniuote = 8};
  const ZodynoIrasas irasas = SudarytiIrasa(zirkles);
  EXPECT_EQ(irasas.Angl1(), "scissors");
  EXPECT_EQ(irasas.Angl2(), "scissors");
  EXPECT_EQ(irasas.Angl3(), "scissors");
  EXPECT_EQ(irasas.AnglSkaicius(), 2);
  EXPECT_EQ(irasas.Paradigma2(), 1);
  EXPECT_EQ(irasas.Paradigma3(), 2);
  EXPECT_EQ(irasas.LietZodis(), "žirklės"_lt);

  zirkles.AnglSkaicius = 1;
  EXPECT_EQ(SudarytiIrasa(zirkles).Angl3(), "scissor");
}

TEST(IrasoLaukai, VerbAdjectiveAndOtherWordRecords) {
  const ZodynoIrasas walk = SudarytiIrasa(Vaikscioti());
  EXPECT_EQ(walk.DaliesKodas(), 3);
  EXPECT_EQ(walk.Pozymis(), 1);
  EXPECT_EQ(walk.AnglSkaicius(), 1);
  EXPECT_EQ(walk.Angl5(), "walking");
  EXPECT_EQ(walk.EsamasKamienas(), Lt("vaikšt"));
  EXPECT_EQ(walk.BusimasKamienas(), Lt("vaikščio"));
  EXPECT_EQ(walk.Paradigma1(), 3);
  EXPECT_EQ(walk.Klausimas(), 4);
  EXPECT_EQ(walk.LietZodis(), "vaikščioti"_lt);
  VeiksmazodzioLaukai netaisyklingas = Vaikscioti();
  netaisyklingas.Taisyklingas = false;
  EXPECT_EQ(SudarytiIrasa(netaisyklingas).AnglSkaicius(), 0);

  const ZodynoIrasas good = SudarytiIrasa(BudvardzioLaukai{
      .Paprasta = "good", .MoreMost = false, .Aukstesnysis = "better",
      .Auksciausiasis = "best", .Kamienas = "ger"});
  EXPECT_EQ(good.DaliesKodas(), 5);
  EXPECT_EQ(good.Pozymis(), 0);
  EXPECT_EQ(good.Angl2(), "good");
  EXPECT_EQ(good.Angl4(), "best");
  EXPECT_EQ(good.LietZodis(), "geras");

  const ZodynoIrasas apie = SudarytiIrasa(
      KitoZodzioLaukai{.KalbosDalis = 7, .Klausimas = 4, .Angliskas = "about",
                       .Lietuviskas = "apie"});
  EXPECT_EQ(apie.DaliesKodas(), 8);
  EXPECT_EQ(apie.Pozymis(), 4);
  EXPECT_EQ(apie.LietZodis(), "apie");
  EXPECT_EQ(apie.Kamienas(), "");
}

TEST(IrasoLaukai, PronounParadigmOnlyWhenDeclined) {
  IvardzioLaukai sis{.Angliskas = "this", .Kamienas = Lt("š"), .Rusis = 6,
                     .Linksniuojamas = true, .Linksniuote = 1};
  const ZodynoIrasas linksniuojamas = SudarytiIrasa(sis);
  EXPECT_EQ(linksniuojamas.Paradigma1(), 1);
  EXPECT_EQ(linksniuojamas.Paradigma3(), 1);
  EXPECT_EQ(linksniuojamas.Pozymis(), 6);
  EXPECT_EQ(linksniuojamas.LietZodis(), "šis"_lt);

  const ZodynoIrasas mano = SudarytiIrasa(
      IvardzioLaukai{.Angliskas = "mine", .Kamienas = "mano", .Rusis = 2, .Linksniuote = 3});
  EXPECT_EQ(mano.Paradigma1(), -1);
  EXPECT_EQ(mano.Paradigma3(), 0);
  EXPECT_EQ(mano.LietZodis(), "mano");
}

TEST(IrasoLaukai, NumeralParadigmByKindAndDeclension) {
  struct Atvejis {
    const char* pavadinimas;
    SkaitvardzioLaukai laukai;
    int paradigma;
    std::string lietZodis;
  };
  const Atvejis atvejai[] = {
      {"cardinal that declines",
       {.Vienaskaita = "two", .Daugiskaita = "two", .Skaitmenys = "2", .Kamienas = "du",
        .Kaitomas = true, .KiekinioLinksniuote = 5},
       5, "du"},
      {"cardinal that does not",
       {.Vienaskaita = "ten", .Skaitmenys = "10", .Kamienas = Lt("dešimt"), .Klausimas = 2,
        .KiekinioLinksniuote = 1},
       -1, Lt("dešimt")},
      {"ordinal",
       {.Tipas = 1, .Vienaskaita = "first", .Skaitmenys = "1st", .Kamienas = "pirm",
        .KiekinioLinksniuote = 3, .KelintinioLinksniuote = 0},
       0, "pirmas"},
  };
  for (const Atvejis& a : atvejai) {
    SCOPED_TRACE(a.pavadinimas);
    const ZodynoIrasas irasas = SudarytiIrasa(a.laukai);
    EXPECT_EQ(irasas.DaliesKodas(), 13);
    EXPECT_EQ(irasas.Kategorija(), a.laukai.Tipas);
    EXPECT_EQ(irasas.Angl3(), a.laukai.Skaitmenys);
    EXPECT_EQ(irasas.Paradigma1(), a.paradigma);
    EXPECT_EQ(irasas.Paradigma2(), a.paradigma);
    EXPECT_EQ(irasas.Paradigma3(), a.laukai.Klausimas);
    EXPECT_EQ(irasas.LietZodis(), a.lietZodis);
  }
}

// Changing an entry shows it on its own page with the values it was saved from, so saving it
// unchanged gives the same record.
TEST(IrasoLaukai, RecordLoadsBackOntoItsPage) {
  const IrasoLaukai puslapiai[] = {
      Namas(),
      DaiktavardzioLaukai{.Vienaskaita = "air", .AnglSkaicius = 1, .Kamienas = "or",
                          .LietSkaicius = 1},
      DaiktavardzioLaukai{.Daugiskaita = "scissors", .AnglSkaicius = 2, .Kamienas = Lt("žirkl"),
                          .LietSkaicius = 2, .Linksniuote = 8},
      BudvardzioLaukai{.Paprasta = "active", .Kamienas = "aktyv", .VyrLinksniuote = 4,
                       .MotLinksniuote = 2},
      Vaikscioti(),
      IvardzioLaukai{.Angliskas = "this", .Kamienas = Lt("š"), .Linksniuojamas = true,
                     .Linksniuote = 1},
      IvardzioLaukai{.Angliskas = "mine", .Kamienas = "mano", .Rusis = 2},
      SkaitvardzioLaukai{.Vienaskaita = "two", .Kamienas = "du", .Kaitomas = true,
                         .KiekinioLinksniuote = 5},
      SkaitvardzioLaukai{.Vienaskaita = "ten", .Kamienas = Lt("dešimt"), .Klausimas = 2},
      SkaitvardzioLaukai{.Tipas = 1, .Vienaskaita = "third", .Kamienas = Lt("tre"),
                         .KelintinioLinksniuote = 1},
      KitoZodzioLaukai{.KalbosDalis = 3, .Angliskas = "fast", .Lietuviskas = "greitai"},
  };
  const std::uint8_t kodai[] = {pkDaiktavardis, pkBudvardis, pkVeiksmazodis,
                                pkIvardis,      pkSkaitvardis, pkKita};
  for (const IrasoLaukai& puslapis : puslapiai) {
    const ZodynoIrasas irasas = SudarytiIrasa(puslapis);
    SCOPED_TRACE(irasas.Angl1());
    const IrasoLaukai ikelti = IkeltiLaukus(irasas);
    EXPECT_EQ(ikelti.index(), puslapis.index());
    EXPECT_EQ(PuslapioKodas(irasas), kodai[puslapis.index()]);
    EXPECT_EQ(SudarytiIrasa(ikelti), irasas);
  }

  // Every code without a page of its own is edited on the page of the other parts of speech.
  for (const int kodas : {0, 4, 6, 11, 12, 14, 15}) {
    ZodynoIrasas irasas;
    irasas.NustatytiSkaiciu(SL::DaliesKodas, kodas);
    EXPECT_EQ(PuslapioKodas(irasas), pkKita) << kodas;
    EXPECT_EQ(std::get<KitoZodzioLaukai>(IkeltiLaukus(irasas)).KalbosDalis, kodas - 1);
  }
}

TEST(IrasoLaukai, RefusalsNameWhatIsWrong) {
  const std::string ilgas(33, 'a');
  const std::string tuscias("Įveskite anglišką žodį."_lt);
  const std::string perIlgas =
      std::string("Tekstas „"_lt) + ilgas +
      std::string("“ per ilgas: žodyne telpa ne daugiau kaip 32 simboliai."_lt);
  struct Atvejis {
    IrasoLaukai laukai;
    std::string_view klaida;
  };
  DaiktavardzioLaukai beVienaskaitos = Namas();
  beVienaskaitos.Vienaskaita = "  ";
  DaiktavardzioLaukai ilgasKamienas = Namas();
  ilgasKamienas.Kamienas = ilgas;
  DaiktavardzioLaukai beLinksniuotes = Namas();
  beLinksniuotes.Linksniuote = -1;
  DaiktavardzioLaukai tikDaugiskaita = Namas();
  tikDaugiskaita.AnglSkaicius = 2;
  tikDaugiskaita.Daugiskaita.clear();
  VeiksmazodzioLaukai beButojo = Vaikscioti();
  beButojo.ButojoKlase = 4;
  const Atvejis atvejai[] = {
      {beVienaskaitos, tuscias},
      {tikDaugiskaita, tuscias},
      {ilgasKamienas, perIlgas},
      {beLinksniuotes, "Pasirinkite linksniuotę."_lt},
      {beButojo, "Pasirinkite būtojo laiko asmenuotę."_lt},
      {BudvardzioLaukai{.Paprasta = "red", .MotLinksniuote = -1},
       "Pasirinkite moteriškosios giminės linksniuotę."_lt},
      {IvardzioLaukai{.Angliskas = "this", .Linksniuojamas = true, .Linksniuote = 7},
       "Pasirinkite įvardžio linksniuotę."_lt},
      {SkaitvardzioLaukai{.Vienaskaita = "five", .Kaitomas = true, .KiekinioLinksniuote = -1},
       "Pasirinkite kiekinio skaitvardžio linksniuotę."_lt},
      {SkaitvardzioLaukai{.Tipas = 1, .Vienaskaita = "fifth", .KelintinioLinksniuote = 2},
       "Pasirinkite kelintinio skaitvardžio linksniuotę."_lt},
      {KitoZodzioLaukai{.KalbosDalis = -1, .Angliskas = "fast"}, "Pasirinkite kalbos dalį."_lt},
      {KitoZodzioLaukai{.KalbosDalis = 0, .Angliskas = "fast"},
       "Kalbos dalis „Daiktavardis“ pildoma savo puslapyje."_lt},
      {KitoZodzioLaukai{.KalbosDalis = 3, .Angliskas = "fast", .Lietuviskas = ilgas}, perIlgas},
  };
  for (const Atvejis& a : atvejai) EXPECT_EQ(LaukuKlaida(a.laukai), a.klaida) << a.laukai.index();

  // What the record does not take does not stop it: the plural of a singular-only noun, the
  // paradigm of a pronoun or cardinal that is not declined.
  DaiktavardzioLaukai tikVienaskaita = Namas();
  tikVienaskaita.AnglSkaicius = 1;
  tikVienaskaita.Daugiskaita = ilgas;
  const IrasoLaukai tinkami[] = {
      Namas(), tikVienaskaita, Vaikscioti(),
      IvardzioLaukai{.Angliskas = "mine", .Linksniuote = -1},
      SkaitvardzioLaukai{.Vienaskaita = "ten", .KiekinioLinksniuote = -1},
      KitoZodzioLaukai{.KalbosDalis = 3, .Angliskas = "fast"}};
  for (const IrasoLaukai& laukai : tinkami) EXPECT_EQ(LaukuKlaida(laukai), std::nullopt);
}

TEST(IrasoPavyzdziai, FormsInCaseAndPersonOrder) {
  EXPECT_EQ(Pavyzdziai(Namas()),
            Eilutes({"namas, namo, namui, namą, namu, name"_lt,
                     "namai, namų, namams, namus, namais, namuose"_lt}));
  EXPECT_EQ(Pavyzdziai(Vaikscioti()),
            Eilutes({
                "vaikštau, vaikštai, vaikšto, vaikštome, vaikštote, vaikšto"_lt,
                "vaikščiojau, vaikščiojai, vaikščiojo, vaikščiojome, vaikščiojote, vaikščiojo"_lt,
                "vaikščiosiu, vaikščiosi, vaikščios, vaikščiosime, vaikščiosite, vaikščios"_lt,
            }));

  // Nothing is shown for a paradigm not chosen, nor for a pronoun that is not declined.
  DaiktavardzioLaukai beLinksniuotes = Namas();
  beLinksniuotes.Linksniuote = -1;
  EXPECT_EQ(Pavyzdziai(beLinksniuotes), std::vector<std::string>(2));
  EXPECT_EQ(Pavyzdziai(IvardzioLaukai{.Kamienas = "mano"}), std::vector<std::string>(4));
}

TEST(IrasoPavyzdziai, NumeralLinesByKind) {
  const auto du = Pavyzdziai(SkaitvardzioLaukai{.Kaitomas = true, .KiekinioLinksniuote = 5});
  EXPECT_EQ(du, Eilutes({"du, dviejų, dviem, du, dviem, dviejuose"_lt,
                         "dvi, dviejų, dviem, dvi, dviem, dviejose"_lt, "", ""}));
  EXPECT_EQ(Pavyzdziai(SkaitvardzioLaukai{.Kamienas = "du", .KiekinioLinksniuote = 5}),
            std::vector<std::string>(4));
  const auto pirmas = Pavyzdziai(SkaitvardzioLaukai{.Tipas = 1, .Kamienas = "pirm"});
  ASSERT_EQ(pirmas.size(), 4u);
  EXPECT_EQ(pirmas[1], "pirma, pirmos, pirmai, pirmą, pirma, pirmoje"_lt);
  EXPECT_EQ(pirmas[2], "pirmi, pirmų, pirmiems, pirmus, pirmais, pirmuose"_lt);
}

TEST(IrasoLaukai, EnglishFormsFilledWhileTyping) {
  const std::pair<const char*, const char*> daugiskaitos[] = {
      {"box", "boxes"}, {"church", "churches"}, {"dish", "dishes"}, {"glass", "glasses"},
      {"cat", "cats"},  {"bus", "buss"},        {"", ""}};
  for (const auto& [vienaskaita, daugiskaita] : daugiskaitos)
    EXPECT_EQ(AnglDaugiskaita(vienaskaita), daugiskaita);

  EXPECT_EQ(TreciasisAsmuo("walk"), "walks");
  EXPECT_EQ(IngForma("walk"), "walking");
  EXPECT_EQ(ButojiForma("walk", true), "walked");
  EXPECT_EQ(ButojiForma("walk", false), "walk");
  EXPECT_EQ(TreciasisAsmuo(""), "");
  EXPECT_EQ(ButojiForma("", true), "");
}

}  // namespace
}  // namespace kervosta
