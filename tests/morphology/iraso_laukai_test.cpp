// The entry editor's pages as values: the records they save, the values shown for a record, the
// refusals, the example lines and the English forms filled in while typing.
#include "morphology/iraso_laukai.h"

#include <gtest/gtest.h>

#include "core/cp1257.h"
#include "lexicon/zodyno_tekstas.h"
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

// `laukai` with one change.
template <typename L, typename F>
L Su(L laukai, F keisti) {
  keisti(laukai);
  return laukai;
}

// Each page's record as a dictionary text line: where every value goes, and the citation form.
TEST(IrasoLaukai, EachPageSavesItsRecord) {
  DaiktavardzioLaukai zirkles{.Vienaskaita = "scissor", .Daugiskaita = "scissors",
                              .AnglSkaicius = 2, .Kamienas = Lt("žirkl"), .Gimine = 1,
                              .LietSkaicius = 2, .Linksniuote = 8};
  const std::pair<IrasoLaukai, const char*> atvejai[] = {
      {Namas(), "pos=1\tcat=6\ten=house|house|houses\tlt=namas\tstem=nam"},
      // Used in one number only, the English word fills all three forms; a Lithuanian
      // plural-only noun is cited in the plural.
      {zirkles,
       "pos=1\ten=scissors|scissors|scissors\tennum=2\tlt=žirklės\tstem=žirkl\tp1=8\tp2=1\tp3=2"},
      {Su(zirkles, [](auto& l) { l.AnglSkaicius = 1; }),
       "pos=1\ten=scissor|scissor|scissor\tennum=1\tlt=žirklės\tstem=žirkl\tp1=8\tp2=1\tp3=2"},
      {Vaikscioti(),
       "pos=3\tcat=2\tattr=1\ten=walk|walks|walked|walked|walking\tennum=1\tlt=vaikščioti\t"
       "stem=vaikščio\tpres=vaikšt\tpast=vaikščioj\tfut=vaikščio\tp1=3\tq=4"},
      {Su(Vaikscioti(), [](auto& l) { l.Taisyklingas = false; }),
       "pos=3\tcat=2\ten=walk|walks|walked|walked|walking\tlt=vaikščioti\t"
       "stem=vaikščio\tpres=vaikšt\tpast=vaikščioj\tfut=vaikščio\tp1=3\tq=4"},
      {BudvardzioLaukai{.Paprasta = "good", .MoreMost = false, .Aukstesnysis = "better",
                        .Auksciausiasis = "best", .Kamienas = "ger"},
       "pos=5\ten=good|good|better|best\tlt=geras\tstem=ger"},
      // A pronoun or cardinal that is not declined has no paradigm.
      {IvardzioLaukai{.Angliskas = "this", .Kamienas = Lt("š"), .Rusis = 6,
                      .Linksniuojamas = true, .Linksniuote = 1},
       "pos=2\tattr=6\ten=this\tlt=šis\tstem=š\tp1=1\tp3=1"},
      {IvardzioLaukai{.Angliskas = "mine", .Kamienas = "mano", .Rusis = 2, .Linksniuote = 3},
       "pos=2\tattr=2\ten=mine\tlt=mano\tstem=mano\tp1=-1"},
      {SkaitvardzioLaukai{.Vienaskaita = "two", .Daugiskaita = "two", .Skaitmenys = "2",
                          .Kamienas = "du", .Kaitomas = true, .KiekinioLinksniuote = 5},
       "pos=13\ten=two|two|2\tlt=du\tstem=du\tp1=5\tp2=5"},
      {SkaitvardzioLaukai{.Vienaskaita = "ten", .Skaitmenys = "10", .Kamienas = Lt("dešimt"),
                          .Klausimas = 2, .KiekinioLinksniuote = 1},
       "pos=13\ten=ten||10\tlt=dešimt\tstem=dešimt\tp1=-1\tp2=-1\tp3=2"},
      {SkaitvardzioLaukai{.Tipas = srKelintinis, .Vienaskaita = "first", .Skaitmenys = "1st",
                          .Kamienas = "pirm", .KiekinioLinksniuote = 3,
                          .KelintinioLinksniuote = 0},
       "pos=13\tcat=1\ten=first||1st\tlt=pirmas\tstem=pirm"},
      {KitoZodzioLaukai{.KalbosDalis = dPrielinksnis, .Klausimas = 4, .Angliskas = "about",
                        .Lietuviskas = "apie"},
       "pos=8\tattr=4\ten=about\tlt=apie"},
  };
  for (const auto& [laukai, eilute] : atvejai)
    EXPECT_EQ(IrasasITeksta(SudarytiIrasa(laukai)), eilute);
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
      SkaitvardzioLaukai{.Tipas = srKelintinis, .Vienaskaita = "third", .Kamienas = Lt("tre"),
                         .KelintinioLinksniuote = 1},
      KitoZodzioLaukai{.KalbosDalis = dPrieveiksmis, .Angliskas = "fast", .Lietuviskas = "greitai"},
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
  const Atvejis atvejai[] = {
      {Su(Namas(), [](auto& l) { l.Vienaskaita = "  "; }), tuscias},
      {Su(Namas(), [](auto& l) { l.AnglSkaicius = 2; l.Daugiskaita.clear(); }), tuscias},
      {Su(Namas(), [&](auto& l) { l.Kamienas = ilgas; }), perIlgas},
      {Su(Namas(), [](auto& l) { l.Linksniuote = -1; }), "Pasirinkite linksniuotę."_lt},
      {Su(Vaikscioti(), [](auto& l) { l.ButojoKlase = 4; }),
       "Pasirinkite būtojo laiko asmenuotę."_lt},
      {BudvardzioLaukai{.Paprasta = "red", .MotLinksniuote = -1},
       "Pasirinkite moteriškosios giminės linksniuotę."_lt},
      {IvardzioLaukai{.Angliskas = "this", .Linksniuojamas = true, .Linksniuote = 7},
       "Pasirinkite įvardžio linksniuotę."_lt},
      {SkaitvardzioLaukai{.Vienaskaita = "five", .Kaitomas = true, .KiekinioLinksniuote = -1},
       "Pasirinkite kiekinio skaitvardžio linksniuotę."_lt},
      {SkaitvardzioLaukai{.Tipas = srKelintinis, .Vienaskaita = "fifth",
                          .KelintinioLinksniuote = 2},
       "Pasirinkite kelintinio skaitvardžio linksniuotę."_lt},
      {KitoZodzioLaukai{.KalbosDalis = -1, .Angliskas = "fast"}, "Pasirinkite kalbos dalį."_lt},
      {KitoZodzioLaukai{.KalbosDalis = dDaiktavardis, .Angliskas = "fast"},
       "Kalbos dalis „Daiktavardis“ pildoma savo puslapyje."_lt},
      {KitoZodzioLaukai{.KalbosDalis = dPrieveiksmis, .Angliskas = "fast", .Lietuviskas = ilgas},
       perIlgas},
  };
  for (const Atvejis& a : atvejai) EXPECT_EQ(LaukuKlaida(a.laukai), a.klaida) << a.laukai.index();

  // What the record does not take does not stop it: the plural of a singular-only noun, the
  // paradigm of a pronoun or cardinal that is not declined.
  const IrasoLaukai tinkami[] = {
      Namas(), Su(Namas(), [&](auto& l) { l.AnglSkaicius = 1; l.Daugiskaita = ilgas; }),
      Vaikscioti(),
      IvardzioLaukai{.Angliskas = "mine", .Linksniuote = -1},
      SkaitvardzioLaukai{.Vienaskaita = "ten", .KiekinioLinksniuote = -1},
      KitoZodzioLaukai{.KalbosDalis = dPrieveiksmis, .Angliskas = "fast"}};
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
  EXPECT_EQ(Pavyzdziai(Su(Namas(), [](auto& l) { l.Linksniuote = -1; })),
            std::vector<std::string>(2));
  EXPECT_EQ(Pavyzdziai(IvardzioLaukai{.Kamienas = "mano"}), std::vector<std::string>(4));
}

TEST(IrasoPavyzdziai, NumeralLinesByKind) {
  const auto du = Pavyzdziai(SkaitvardzioLaukai{.Kaitomas = true, .KiekinioLinksniuote = 5});
  EXPECT_EQ(du, Eilutes({"du, dviejų, dviem, du, dviem, dviejuose"_lt,
                         "dvi, dviejų, dviem, dvi, dviem, dviejose"_lt, "", ""}));
  EXPECT_EQ(Pavyzdziai(SkaitvardzioLaukai{.Kamienas = "du", .KiekinioLinksniuote = 5}),
            std::vector<std::string>(4));
  const auto pirmas = Pavyzdziai(SkaitvardzioLaukai{.Tipas = srKelintinis, .Kamienas = "pirm"});
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
