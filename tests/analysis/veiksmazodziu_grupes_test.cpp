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
      {{"the", "boy", "did", "not", "see"}, 3, 0, 2, 1, 0, {2}},
      {{"i", "do", "know"}, 2, 1, 2, 1, 0, {1}},
      // A modal contraction vanishes like the modal and "not" it stands for.
      {{"i", "won't", "go"}, 5, 0, 2, 1, 0, {1}},
      {{"he", "would", "go"}, 5, 1, 2, 1, 1, {}},
      // "should", "must", "can" stay as verbs of their own before an infinitive.
      {{"he", "should", "go"}, 1, 1, 2, 1, 0, {}},
      {{"we", "must", "not", "go"}, 1, 1, 2, 1, 0, {}},
      {{"to", "go"}, 1, 1, 2, 1, 0, {0}},
      {{"go"}, 2, 1, 2, 1, 0, {}},
      {{"you", "know"}, 2, 1, 2, 1, 0, {}},
      {{"did", "you", "know"}, 3, 1, 2, 1, 0, {}},
      {{"will", "you", "know"}, 5, 1, 2, 1, 0, {}},
      // "can" stays and takes the person; the verb after it is an infinitive.
      {{"we", "could", "not", "see"}, 1, 1, 2, 1, 0, {}},
      // Past participles: passive after a form of "be", active past after "have"; a "be" that
      // stays carries the negation alone.
      {{"the", "book", "is", "done"}, 3, 1, 4, 0, 0, {}},
      {{"the", "book", "was", "seen"}, 3, 1, 4, 0, 0, {}},
      {{"the", "book", "was", "not", "seen"}, 3, 1, 4, 0, 0, {}},
      {{"the", "boy", "has", "seen"}, 3, 1, 3, 1, 0, {2}},
      {{"i", "have", "seen"}, 3, 1, 3, 1, 0, {1}},
      {{"the", "boy", "hasn't", "seen"}, 3, 0, 3, 1, 0, {2}},
      {{"i", "had", "not", "seen"}, 3, 0, 3, 1, 0, {1}},
      {{"they", "have", "been", "seen"}, 3, 1, 3, 1, 0, {1, 2}},
      {{"they", "have", "not", "been", "seen"}, 3, 0, 3, 1, 0, {1, 2, 3}},
      {{"he", "would", "have", "done"}, 3, 1, 4, 1, 0, {}},
      {{"he", "will", "have", "done"}, 3, 1, 4, 1, 0, {}},
      {{"he", "won't", "have", "done"}, 3, 0, 4, 1, 0, {1}},
      {{"the", "book", "was", "being", "seen"}, 3, 1, 4, 0, 0, {2}},
      {{"the", "book", "will", "be", "seen"}, 3, 1, 4, 0, 0, {2}},
      {{"the", "book", "would", "not", "be", "seen"}, 3, 1, 4, 0, 0, {3}},
      {{"the", "book", "should", "not", "be", "seen"}, 3, 1, 4, 0, 0, {}},
      // -ing forms: after a modal the "be" vanishes too.
      {{"he", "is", "going"}, 2, 1, 5, 1, 0, {1}},
      {{"he", "will", "be", "going"}, 5, 1, 5, 1, 0, {1, 2}},
      {{"he", "would", "be", "going"}, 5, 1, 5, 1, 0, {2}},
      {{"he", "would", "not", "be", "going"}, 5, 0, 5, 1, 0, {1, 3}},
      {{"he", "should", "be", "going"}, 1, 1, 5, 1, 0, {2}},
      {{"he", "should", "not", "be", "going"}, 1, 1, 5, 1, 0, {3}},
      // "let's": a command to us.
      {{"let's", "go"}, 2, 1, 2, 1, 2, {}},
      {{"he", "won't", "be", "going"}, 5, 0, 5, 1, 0, {1, 2}},
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
    for (int i = 0; i < s.Kiekis(); ++i) EXPECT_EQ(s.Zodziai[i].Nuosaka, 0) << i;
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
