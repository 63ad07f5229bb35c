// kervosta-cli translate: line counting, files, and text it cannot take as it is.
#include <poll.h>

#include <string_view>
#include <utility>

#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

using Translate = Paleidimas;

TEST_F(Translate, PrintsOneLinePerInputLineAndOneForTextAfterTheLastSentence) {
  const std::pair<std::string, std::size_t> atvejai[] = {
      {"Hello. World.\nThis is\na test.\nno end\n", 5},
      {"Hello.\r\nno end\r\n", 3},
      {"no final line feed.", 1},
      {"", 0},
  };
  for (const auto& [ivestis, eiluciu] : atvejai) {
    const Rezultatas r = Paleisti("translate", ivestis);
    EXPECT_EQ(r.Busena, 0) << ivestis;
    EXPECT_EQ(Eiluciu(r.Isvestis), eiluciu) << ivestis;
    EXPECT_EQ(r.Klaidos, "") << ivestis;
  }
  // Each file is a text of its own: "no end" is not carried into the next file.
  Rasyti("a.txt", "no end\n");
  Rasyti("b.txt", "Done.\n");
  EXPECT_EQ(Eiluciu(Paleisti("translate a.txt --no-grammar b.txt").Isvestis), 3u);
}

// --informal says "tu" to the reader; --literal-choice takes the last candidate of every word.
TEST_F(Translate, FormOfAddressAndLiteralChoiceReachTheTranslation) {
  const std::pair<std::string, std::string> atvejai[] = {
      {"translate", "Eikite namo. \nMokytojas yra labai malonus. \n"},
      {"translate --informal", "Eik namo. \nMokytojas yra labai malonus. \n"},
      {"translate --literal-choice", "Eikite namai. \nMokytojas yra labai rūšis. \n"},
  };
  for (const auto& [komanda, isvestis] : atvejai)
    EXPECT_EQ(Paleisti(komanda, "Go home.\nThe teacher is very kind.\n").Isvestis, isvestis)
        << komanda;
}

TEST_F(Translate, UnmappableCharactersWarnOnceAndAByteOrderMarkIsNoText) {
  // Windows-1257 holds é and € but not →, 😀 or ∞.
  const Rezultatas pakeisti = Paleisti("translate", "Café → 😀.\n€ ∞.\n");
  EXPECT_EQ(pakeisti.Busena, 0);
  EXPECT_EQ(Eiluciu(pakeisti.Isvestis), 2u);
  EXPECT_EQ(Eiluciu(pakeisti.Klaidos), 1u) << pakeisti.Klaidos;
  EXPECT_THAT(pakeisti.Klaidos, HasSubstr("warning: 3 character"));
  // A leading byte-order mark is dropped, neither warned about nor translated as '?'.
  const Rezultatas bom = Paleisti("translate", "\xEF\xBB\xBF\nOk.\n");
  EXPECT_EQ(bom.Klaidos, "");
  EXPECT_EQ(bom.Isvestis.find('?'), std::string::npos) << bom.Isvestis;
}

// Lines are written as they are translated, so malformed UTF-8 stops the run after the lines
// before it, and the error names the text and the offset from its start.
TEST_F(Translate, MalformedUtf8StopsTheRunAfterTheLinesWrittenNamingTheOffset) {
  Rasyti("good.txt", "Fine.\n");
  Rasyti("bad.txt", "\xFF");
  const std::string gero = Paleisti("translate good.txt").Isvestis;
  ASSERT_EQ(Eiluciu(gero), 1u);
  const struct { Rezultatas R; std::string Isvestis, Klaida; } atvejai[] = {
      {Paleisti("translate", "ok\n\xC5\xBE \xC3(\n"), "\n",
       "standard input: malformed UTF-8 at byte offset 6"},
      {Paleisti("translate good.txt bad.txt good.txt"), gero,
       "bad.txt: malformed UTF-8 at byte offset 0"},
      {Paleisti("translate good.txt missing.txt"), gero, "cannot read 'missing.txt'"},
  };
  for (const auto& a : atvejai) {
    EXPECT_EQ(a.R.Busena, 2) << a.Klaida;
    EXPECT_EQ(a.R.Isvestis, a.Isvestis) << a.Klaida;
    EXPECT_EQ(Eiluciu(a.R.Klaidos), 1u) << a.R.Klaidos;
    EXPECT_THAT(a.R.Klaidos, HasSubstr(a.Klaida));
  }
}

// The next line the process writes on `fd`; what came before a long silence or the end.
std::string SkaitytiEilute(int fd) {
  std::string eilute;
  while (!eilute.ends_with('\n')) {
    pollfd laukti{fd, POLLIN, 0};
    char c;
    if (::poll(&laukti, 1, 60'000) != 1 || ::read(fd, &c, 1) != 1) break;
    eilute += c;
  }
  return eilute;
}

// A reader at the other end of a pipe gets each line while the input is still open: a text
// that arrives slowly (a log, a conversation) is translated as it comes.
TEST_F(Translate, EachLineIsWrittenBeforeTheInputEnds) {
  int ivestis[2], isvestis[2];
  ASSERT_EQ(::pipe(ivestis), 0);
  ASSERT_EQ(::pipe(isvestis), 0);
  const pid_t vaikas = ::fork();
  ASSERT_GE(vaikas, 0);
  if (vaikas == 0) {
    ::dup2(ivestis[0], STDIN_FILENO);
    ::dup2(isvestis[1], STDOUT_FILENO);
    for (int fd : {ivestis[0], ivestis[1], isvestis[0], isvestis[1]}) ::close(fd);
    ::execl(KERVOSTA_CLI, KERVOSTA_CLI, "translate", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(ivestis[0]);
  ::close(isvestis[1]);
  const auto rasyti = [&](std::string_view eilute) {
    return ::write(ivestis[1], eilute.data(), eilute.size()) == static_cast<ssize_t>(eilute.size());
  };
  EXPECT_TRUE(rasyti("I see a big house.\n"));
  EXPECT_EQ(SkaitytiEilute(isvestis[0]), "Aš matau didelį namą. \n");
  // A sentence over two lines is answered on the line where it ends.
  EXPECT_TRUE(rasyti("The teacher\n"));
  EXPECT_EQ(SkaitytiEilute(isvestis[0]), "\n");
  EXPECT_TRUE(rasyti("is very kind.\n"));
  EXPECT_EQ(SkaitytiEilute(isvestis[0]), "Mokytojas yra labai malonus. \n");
  ::close(ivestis[1]);
  EXPECT_EQ(SkaitytiEilute(isvestis[0]), "");
  ::close(isvestis[0]);
  int busena = -1;
  ::waitpid(vaikas, &busena, 0);
  EXPECT_TRUE(WIFEXITED(busena) && WEXITSTATUS(busena) == 0) << busena;
}

// A dictionary made by hand or by an old program may hold a line break in a text, and a lone
// carriage return may sit inside an input line; neither may split an output line.
TEST_F(Translate, LineBreakInADictionaryTextOrTheInputStaysInsideTheLine) {
  for (const char* baitas : {"0A", "0D", "0B", "0C"}) {
    Zodynas("main.zod", std::string("pos=4\ten=quickly\tlt=greitai\traw=200:") + baitas + "\n");
    const Rezultatas r = Paleisti("translate", "He runs quickly.\nThe boy\rsaw.\n");
    EXPECT_EQ(r.Busena, 0) << baitas << r.Klaidos;
    EXPECT_EQ(Eiluciu(r.Isvestis), 2u) << baitas << ": " << r.Isvestis;
    EXPECT_THAT(r.Isvestis, HasSubstr(" gre tai.")) << baitas;
    EXPECT_EQ(r.Isvestis.find_first_of("\r\v\f"), std::string::npos) << baitas;
    // lookup keeps its 13 columns on one line.
    const Rezultatas l = Paleisti("lookup quickly");
    EXPECT_EQ(Eiluciu(l.Isvestis), 1u) << baitas;
    EXPECT_THAT(l.Isvestis, ::testing::StartsWith("quickly\tgre tai\t")) << baitas;
  }
}

}  // namespace
}  // namespace kervosta::bandymai
