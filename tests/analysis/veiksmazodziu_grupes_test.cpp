#include "analysis/veiksmazodziu_grupes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "analysis/grupavimas.h"
#include "analysis/klausimai.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

using testai::Sakinys;

// Each row: the words ending with the main verb, the tense, affirmation, English form, voice and
// mood the verb ends with, and the auxiliaries that vanish (no text, no part of speech).
TEST(AnalizuotiVeiksmazodzius, FoldsAuxiliariesIntoTheMainVerb) {
  const struct {
    std::vector<std::string_view> Zodziai;
    int Laikas, Teigiamas, AnglForma, Veikiamoji, Nuosaka;
    std::set<int> Sugerti;
  } atvejai[] = {
      {{"the", "boy", "did", "not", "see"}, zlkButasisKartinis, 0, afBazine, 1, nTiesiogine, {2}},
      {{"i", "do", "know"}, zlkEsamasis, 1, afBazine, 1, nTiesiogine, {1}},
      // A modal contraction vanishes like the modal and "not" it stands for.
      {{"i", "won't", "go"}, zlkBusimasis, 0, afBazine, 1, nTiesiogine, {1}},
      {{"he", "would", "go"}, zlkBusimasis, 1, afBazine, 1, nTariamoji, {}},
      // "should", "must", "can" stay as verbs of their own before an infinitive.
      {{"he", "should", "go"}, zlkBendratis, 1, afBazine, 1, nTiesiogine, {}},
      {{"we", "must", "not", "go"}, zlkBendratis, 1, afBazine, 1, nTiesiogine, {}},
      {{"to", "go"}, zlkBendratis, 1, afBazine, 1, nTiesiogine, {0}},
      {{"go"}, zlkEsamasis, 1, afBazine, 1, nTiesiogine, {}},
      {{"you", "know"}, zlkEsamasis, 1, afBazine, 1, nTiesiogine, {}},
      {{"did", "you", "know"}, zlkButasisKartinis, 1, afBazine, 1, nTiesiogine, {}},
      {{"will", "you", "know"}, zlkBusimasis, 1, afBazine, 1, nTiesiogine, {}},
      // "can" stays and takes the person; the verb after it is an infinitive.
      {{"we", "could", "not", "see"}, zlkBendratis, 1, afBazine, 1, nTiesiogine, {}},
      // Past participles: passive after a form of "be", active past after "have"; a "be" that
      // stays carries the negation alone.
      {{"the", "book", "is", "done"}, zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {}},
      {{"the", "book", "was", "seen"}, zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {}},
      {{"the", "book", "was", "not", "seen"}, zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {}},
      {{"the", "boy", "has", "seen"}, zlkButasisKartinis, 1, afButoji, 1, nTiesiogine, {2}},
      {{"i", "have", "seen"}, zlkButasisKartinis, 1, afButoji, 1, nTiesiogine, {1}},
      {{"the", "boy", "hasn't", "seen"}, zlkButasisKartinis, 0, afButoji, 1, nTiesiogine, {2}},
      {{"i", "had", "not", "seen"}, zlkButasisKartinis, 0, afButoji, 1, nTiesiogine, {1}},
      {{"they", "have", "been", "seen"}, zlkButasisKartinis, 1, afButoji, 1, nTiesiogine, {1, 2}},
      {{"they", "have", "not", "been", "seen"},
       zlkButasisKartinis, 0, afButoji, 1, nTiesiogine, {1, 2, 3}},
      {{"he", "would", "have", "done"}, zlkButasisKartinis, 1, afDalyvis, 1, nTiesiogine, {}},
      {{"he", "will", "have", "done"}, zlkButasisKartinis, 1, afDalyvis, 1, nTiesiogine, {}},
      {{"he", "won't", "have", "done"}, zlkButasisKartinis, 0, afDalyvis, 1, nTiesiogine, {1}},
      {{"the", "book", "was", "being", "seen"},
       zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {2}},
      {{"the", "book", "will", "be", "seen"},
       zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {2}},
      {{"the", "book", "would", "not", "be", "seen"},
       zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {3}},
      {{"the", "book", "should", "not", "be", "seen"},
       zlkButasisKartinis, 1, afDalyvis, 0, nTiesiogine, {}},
      // -ing forms: after a modal the "be" vanishes too.
      {{"he", "is", "going"}, zlkEsamasis, 1, afIng, 1, nTiesiogine, {1}},
      {{"he", "will", "be", "going"}, zlkBusimasis, 1, afIng, 1, nTiesiogine, {1, 2}},
      {{"he", "would", "be", "going"}, zlkBusimasis, 1, afIng, 1, nTiesiogine, {2}},
      {{"he", "would", "not", "be", "going"}, zlkBusimasis, 0, afIng, 1, nTiesiogine, {1, 3}},
      {{"he", "should", "be", "going"}, zlkBendratis, 1, afIng, 1, nTiesiogine, {2}},
      {{"he", "should", "not", "be", "going"}, zlkBendratis, 1, afIng, 1, nTiesiogine, {3}},
      // "let's": a command to us.
      {{"let's", "go"}, zlkEsamasis, 1, afBazine, 1, nLiepiamoji, {}},
      {{"he", "won't", "be", "going"}, zlkBusimasis, 0, afIng, 1, nTiesiogine, {1, 2}},
  };
  for (const auto& a : atvejai) {
    TSakinys s = Sakinys(a.Zodziai);
    AnalizuotiVeiksmazodzius(s);
    const TZodis& v = s.Zodziai[s.Kiekis() - 1];
    SCOPED_TRACE(v.Angl + " after " + s.Zodziai[s.Kiekis() > 1 ? s.Kiekis() - 2 : 0].Angl);
    EXPECT_EQ((std::vector<int>{v.Laikas, v.Teigiamas, v.AnglForma, v.Veikiamoji, v.Nuosaka}),
              (std::vector<int>{a.Laikas, a.Teigiamas, a.AnglForma, a.Veikiamoji, a.Nuosaka}));
    std::set<int> sugerti;
    for (int i = 0; i < s.Kiekis(); ++i)
      if (s.Zodziai[i].KalbosDalis == dNezinoma && s.Zodziai[i].Liet.empty()) sugerti.insert(i);
    EXPECT_EQ(sugerti, a.Sugerti);
  }
}

// "Go home." and "Do you know?" end to end are in the sentence tests; here the cases that must
// not turn into a command.
TEST(ApdorotiPradiniVeiksmazodi, OnlyALoneVerbOpeningTheSentence) {
  for (auto zodziai : {std::vector<std::string_view>{"see", "go"}, {"the", "boy", "go"}}) {
    TSakinys s = Sakinys(zodziai);
    SGList grupes;
    SudarytiGrupes(s, grupes);
    ApdorotiPradiniVeiksmazodi(grupes, 5);
    for (int i = 0; i < s.Kiekis(); ++i) EXPECT_EQ(s.Zodziai[i].Nuosaka, nTiesiogine) << i;
  }
}

// A question takes the order of a statement; without a question word it starts with "ar",
// whose English is empty. Without "?" nothing moves.
TEST(ApverstiKlausima, TheAuxiliaryGoesBehindTheSubject) {
  using Eilute = std::vector<std::string>;
  const std::pair<std::vector<std::string_view>, Eilute> atvejai[] = {
      {{"can", "you", "see", "?"}, {"", "you", "can", "see", "?"}},
      {{"did", "not", "the", "boy", "go", "?"}, {"", "the", "boy", "did", "not", "go", "?"}},
      {{"where", "does", "the", "boy", "go", "?"}, {"where", "the", "boy", "does", "go", "?"}},
      {{"are", "you", "going", "?"}, {"", "you", "are", "going", "?"}},
      {{"where", "are", "you", "?"}, {"where", "you", "are", "?"}},
      {{"where", "is", "the", "station", "?"}, {"where", "is", "the", "station", "?"}},
      {{"can", "you", "see", "."}, {"can", "you", "see", "."}},
      {{"is", "the", "boy", "big", "?"}, {"is", "the", "boy", "big", "?"}},
  };
  for (const auto& [zodziai, tiketina] : atvejai) {
    TSakinys s = Sakinys(zodziai);
    ApverstiKlausima(s);
    Eilute gauta;
    for (int i = 0; i < s.Kiekis(); ++i) gauta.push_back(s.Zodziai[i].Angl);
    EXPECT_EQ(gauta, tiketina);
  }
}

}  // namespace
}  // namespace kervosta
