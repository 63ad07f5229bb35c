// kervosta-cli translate --correct: the questions go to the terminal, the text comes from a file.
// A terminal is given to the tool with script(1), which feeds it the scripted answers.
#include "tests/cli/paleidimas.h"

namespace kervosta::bandymai {
namespace {

std::size_t Kartai(const std::string& tekstas, const std::string& dalis) {
  std::size_t n = 0;
  for (auto p = tekstas.find(dalis); p != std::string::npos; p = tekstas.find(dalis, p + 1)) ++n;
  return n;
}

class Koregavimas : public Paleidimas {
 protected:
  void SetUp() override {
    Paleidimas::SetUp();
    Zodynas("test.zod",
            "pos=1\ten=bank|bank|banks\tlt=bankas\tstem=bank\n"
            "pos=1\ten=bank|bank|banks\tlt=krantas\tstem=krant\n");
    Rasyti("in.txt", "Bank and bank, bank. Bank zzz.\n");
  }
  const std::string Vertimas =
      "'" KERVOSTA_CLI "' translate --correct --dictionary test.zod in.txt";
};

TEST_F(Koregavimas, WithoutATerminalItIsAnError) {
  EXPECT_EQ(Apvalkalas("setsid -w " + Vertimas + " </dev/null >stdout 2>stderr"), 1);
  EXPECT_EQ(Skaityti("stdout"), "");
  EXPECT_THAT(Skaityti("stderr"), HasSubstr("--correct asks on a terminal"));
}

TEST_F(Koregavimas, ScriptedAnswersOnTheTerminal) {
  if (Apvalkalas("script -qec true /dev/null </dev/null >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "script(1) cannot give the tool a terminal here";
  // bank: the first candidate; and: switch correction off; bank: Enter takes what automatic
  // translation takes, the last; bank: keep the English word. The next sentence is automatic.
  EXPECT_EQ(Apvalkalas("printf '1\\nq\\n\\na\\n' | script -qec \"" + Vertimas +
                       " >stdout 2>stderr\" /dev/null >terminalas"), 0) << Skaityti("stderr");
  EXPECT_EQ(Skaityti("stdout"), "Bankas and krantas, bank. Krantas zzz. \n");
  const std::string terminalas = Skaityti("terminalas");
  const std::pair<std::string, std::size_t> kartai[] = {
      {"Ambiguous word \"bank\" in: Bank and bank, bank. ", 3}, {"  2  krantas (noun)", 3},
      {"Enter takes 2,", 3}, {"Unknown word \"and\"", 1}, {"zzz", 0}};
  for (const auto& [dalis, n] : kartai) EXPECT_EQ(Kartai(terminalas, dalis), n) << terminalas;
}

}  // namespace
}  // namespace kervosta::bandymai
