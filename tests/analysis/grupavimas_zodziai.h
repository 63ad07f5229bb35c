// A small dictionary with one or two entries of every part of speech, shared by the analysis and
// translation tests, and sentences looked up in it by the real lookup.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/aplinka.h"
#include "analysis/sakinio_paieska.h"
#include "core/sakinys.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_tekstas.h"

namespace kervosta::testai {

inline constexpr std::string_view TestoZodynas =
    "pos=7\ten=the\n"
    "pos=7\ten=a\n"
    "pos=1\tcat=1\ten=boy|boy|boys\tlt=berniukas\tstem=berniuk\tp1=0\tp2=0\n"
    "pos=1\tcat=1\ten=teacher|teacher|teachers\tlt=mokytojas\tstem=mokytoj\tp1=0\tp2=0\n"
    "pos=1\tcat=2\ten=bus|bus|buses\tlt=autobusas\tstem=autobus\tp1=0\tp2=0\n"
    "pos=1\tcat=2\ten=book|book|books\tlt=knyga\tstem=knyg\tp1=5\tp2=1\n"
    "pos=1\tcat=6\ten=station|station|stations\tlt=stotis\tstem=stot\tp1=12\tp2=1\n"
    "pos=1\tcat=6\ten=house|house|houses\tlt=namas\tstem=nam\tp1=0\tp2=0\n"
    "pos=3\ten=see|sees|saw|seen|seeing\tlt=matyti\tstem=maty\tpres=mat\tpast=mat\tfut=maty\t"
    "p1=3\tp2=1\tq=4\n"
    "pos=3\ten=know|knows|knew|known|knowing\tlt=žinoti\tstem=žino\tpres=žin\tpast=žinoj\t"
    "fut=žino\tp1=3\tq=4\n"
    "pos=3\ten=go|goes|went|gone|going\tlt=eiti\tstem=ei\tpres=ein\tpast=ėj\tfut=ei\n"
    "pos=3\ten=come|comes|came|come|coming\tlt=ateiti\tstem=atei\tpres=atein\tpast=atėj\t"
    "fut=atei\n"
    "pos=5\ten=big|big|bigger|biggest\tlt=didelis\tstem=didel\tp1=2\tp2=3\n"
    "pos=4\ten=very\tlt=labai\n"
    "pos=4\ten=home\tlt=namo\n"
    "pos=8\tattr=4\ten=to\tlt=į\n"
    "pos=8\tattr=2\ten=of\tlt=iš\n"
    "pos=8\tattr=6\ten=in\tlt=į\n"
    "pos=10\ten=and\tlt=ir\n"
    "pos=13\ten=two|twos|2\tlt=du\tstem=d\tp1=5\tp2=5\n";

// A fresh run state with the built-in records and the test dictionary, looking up automatically.
inline Aplinka NaujaTestoAplinka() {
  Aplinka a;
  UzpildytiVidiniusIrasus(a.Zodynai);
  SkaitytiZodynoTeksta(TestoZodynas, a.Zodynai.PagrindinisZodynas);
  a.AutomatinisVertimas = 1;
  return a;
}

// The entry of the run state's main dictionary with the English headword; tests name entries so
// that adding one to the test dictionary moves none.
inline ZodynoMazgas* TestoIrasas(Aplinka& aplinka, std::string_view angl) {
  for (ZodynoMazgas* m = aplinka.Zodynai.PagrindinisZodynas.Galva(); m != nullptr; m = m->Kitas)
    if (m->Duomenys.Vaizdas(TekstoLaukas::Angl1) == angl) return m;
  throw std::out_of_range("no test dictionary entry '" + std::string(angl) + "'");
}

// One run state shared by the tests that only read it.
inline Aplinka& TestoAplinka() {
  static Aplinka aplinka = NaujaTestoAplinka();
  return aplinka;
}

// The words as the tokeniser gives them (punctuation marked), looked up automatically.
inline TSakinys Sakinys(const std::vector<std::string_view>& zodziai) {
  TSakinys s;
  for (std::string_view w : zodziai) {
    TZodis z;
    z.Angl = std::string(w);
    if (w == "." || w == "?") {
      z.KalbosDalis = dSkyriklis;
      z.Liet = z.Angl;
    }
    s.Zodziai.Prideti(std::move(z));
  }
  s.ZodziuSk = s.Kiekis();
  SurastiAutomatiskai(TestoAplinka(), s);
  return s;
}

}  // namespace kervosta::testai
