#include "analysis/veiksmazodziu_grupes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "analysis/grupavimas.h"
#include "core/cp1257.h"
#include "tests/analysis/grupavimas_zodziai.h"

namespace kervosta {
namespace {

using namespace literals;
using testai::Sakinys;

struct Atvejis {
  std::vector<std::string_view> zodziai;
  int veiksm;  // index of the main verb
  std::uint8_t laikas, teigiamas, anglForma, veikiamoji, nuosaka;
  std::set<int> sugerti;  // words left without Lithuanian text or part of speech
};

// Each row: the words, what the main verb ends with, and which auxiliaries vanish.
TEST(AnalizuotiVeiksmazodzius, FoldsAuxiliariesIntoTheMainVerb) {
  const std::vector<Atvejis> atvejai = {
      {{"the", "boy", "did", "not", "see", "the", "book"}, 4, 3, 0, 2, 1, 0, {2}},
      {{"the", "boy", "didn't", "see"}, 3, 3, 0, 2, 1, 0, {2}},
      {{"i", "do", "know"}, 2, 2, 1, 2, 1, 0, {1}},
      {{"i", "will", "go"}, 2, 5, 1, 2, 1, 0, {}},
      // A modal contraction vanishes like the modal and "not" it stands for.
      {{"i", "won't", "go"}, 2, 5, 0, 2, 1, 0, {1}},
      {{"he", "should", "go"}, 2, 5, 1, 2, 1, 1, {}},
      {{"he", "wouldn't", "go"}, 2, 5, 0, 2, 1, 1, {1}},
      {{"to", "go"}, 1, 1, 1, 2, 1, 0, {0}},
      {{"go", "home"}, 0, 2, 1, 2, 1, 0, {}},
      {{"you", "know"}, 1, 2, 1, 2, 1, 0, {}},
      // Past participles: passive after a form of "be", active past after "have".
      {{"the", "book", "is", "done"}, 3, 3, 1, 4, 0, 0, {}},
      {{"the", "book", "isn't", "done"}, 3, 3, 0, 4, 0, 0, {}},
      {{"the", "boy", "has", "seen"}, 3, 3, 1, 3, 1, 0, {2}},
      {{"the", "boy", "has", "not", "seen"}, 4, 3, 0, 3, 1, 0, {2}},
      {{"the", "boy", "hasn't", "seen"}, 3, 3, 0, 3, 1, 0, {2}},
      {{"the", "boy", "had", "seen"}, 3, 3, 1, 3, 1, 0, {2}},
      {{"they", "have", "been", "seen"}, 3, 3, 1, 3, 1, 0, {1, 2}},
      {{"they", "haven't", "been", "seen"}, 3, 3, 0, 3, 1, 0, {1, 2}},
      {{"he", "would", "have", "done"}, 3, 3, 1, 4, 1, 0, {}},
      {{"the", "book", "was", "being", "seen"}, 4, 3, 1, 4, 0, 0, {2}},
      {{"the", "book", "will", "be", "seen"}, 4, 3, 1, 4, 0, 0, {2}},
      {{"the", "book", "should", "not", "be", "seen"}, 5, 3, 0, 4, 0, 0, {3}},
      {{"the", "book", "to", "be", "seen"}, 4, 3, 1, 4, 0, 0, {2}},
      // -ing forms.
      {{"he", "is", "going"}, 2, 2, 1, 5, 1, 0, {1}},
      {{"he", "was", "not", "going"}, 3, 3, 0, 5, 1, 0, {1}},
      {{"he", "has", "been", "going"}, 3, 2, 1, 5, 1, 0, {1}},
      {{"he", "will", "be", "going"}, 3, 5, 1, 5, 1, 0, {1}},
      {{"he", "should", "be", "going"}, 3, 5, 1, 5, 1, 0, {2}},
      {{"he", "should", "not", "be", "going"}, 4, 5, 0, 5, 1, 0, {1}},
  };
  for (const Atvejis& a : atvejai) {
    std::string tekstas;
    for (std::string_view w : a.zodziai) tekstas += std::string(w) + ' ';
    SCOPED_TRACE(tekstas);
    TSakinys s = Sakinys(a.zodziai);
    AnalizuotiVeiksmazodzius(s);
    const TZodis& v = s.Zodziai[a.veiksm];
    EXPECT_EQ(v.Laikas, a.laikas);
    EXPECT_EQ(v.Teigiamas, a.teigiamas);
    EXPECT_EQ(v.AnglForma, a.anglForma);
    EXPECT_EQ(v.Veikiamoji, a.veikiamoji);
    EXPECT_EQ(v.Nuosaka, a.nuosaka);
    for (int i = 0; i < s.Kiekis(); ++i) {
      const bool tuscias = s.Zodziai[i].KalbosDalis == dNezinoma && s.Zodziai[i].Liet.empty();
      EXPECT_EQ(tuscias, a.sugerti.count(i) == 1) << "word " << i;
      EXPECT_EQ(s.Zodziai[i].Angl, a.zodziai[static_cast<std::size_t>(i)]);
    }
  }
}

TEST(AnalizuotiVeiksmazodzius, WillHaveDoneTurnsHaveIntoFutureButi) {
  for (const auto& [zodziai, teigiamas] :
       {std::pair<std::vector<std::string_view>, int>{{"he", "will", "have", "done"}, 1},
        {{"he", "will", "not", "have", "done"}, 0},
        {{"he", "won't", "have", "done"}, 0}}) {
    TSakinys s = Sakinys(zodziai);
    AnalizuotiVeiksmazodzius(s);
    const int n = s.Kiekis();
    const TZodis& have = s.Zodziai[n - 2];
    EXPECT_EQ(have.Liet, "būti"_lt) << n;
    EXPECT_EQ(have.Vidinis, 1);
    EXPECT_EQ(have.Nr, 2);
    EXPECT_EQ(have.Laikas, 5);
    EXPECT_EQ(s.Zodziai[n - 1].Laikas, 3);
    EXPECT_EQ(s.Zodziai[n - 1].Veikiamoji, 1);
    EXPECT_EQ(s.Zodziai[n - 1].Teigiamas, teigiamas);
    EXPECT_TRUE(s.Zodziai[1].Liet.empty());  // "will" is silent, "won't" absorbed
  }
}

// "Go home." and "Do you know?" end to end are in the sentence tests; here the cases that must
// not turn into a command.
TEST(ApdorotiPradiniVeiksmazodi, OnlyALoneVerbOpeningTheSentence) {
  for (auto zodziai : {std::vector<std::string_view>{"see", "go"}, {"the", "boy", "go"}}) {
    TSakinys s = Sakinys(zodziai);
    SGList grupes;
    SudarytiGrupes(s, grupes);
    ApdorotiPradiniVeiksmazodi(grupes);
    for (int i = 0; i < s.Kiekis(); ++i) EXPECT_EQ(s.Zodziai[i].Nuosaka, 0) << i;
  }
}

}  // namespace
}  // namespace kervosta
