#include "tests/morphology/hunspell_tikrinimas.h"

#include <fnmatch.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace kervosta::testai {

namespace {

constexpr const char* Zodynas = "/usr/share/hunspell/lt_LT";

std::string Apkarpyti(const std::string& tekstas) {
  const auto pradzia = tekstas.find_first_not_of(' ');
  if (pradzia == std::string::npos) return {};
  return tekstas.substr(pradzia, tekstas.find_last_not_of(' ') - pradzia + 1);
}

}  // namespace

bool HunspellYra() {
  return std::filesystem::exists(std::string(Zodynas) + ".dic") &&
         std::system("hunspell -v >/dev/null 2>&1") == 0;
}

std::set<std::string> HunspellAtmesti(const std::vector<std::string>& zodziai) {
  const std::filesystem::path failas =
      std::filesystem::path(testing::TempDir()) /
      ("kervosta_hunspell_" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream out(failas);
    for (const std::string& zodis : zodziai) out << zodis << '\n';
    if (!out) throw std::runtime_error("cannot write " + failas.string());
  }
  const std::string komanda =
      std::string("hunspell -d ") + Zodynas + " -i utf-8 -l < '" + failas.string() + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> vamzdis(::popen(komanda.c_str(), "r"), ::pclose);
  if (!vamzdis) throw std::runtime_error("cannot run hunspell");
  std::set<std::string> atmesti;
  std::string eilute;
  for (int c; (c = std::fgetc(vamzdis.get())) != EOF;) {
    if (c != '\n') {
      eilute.push_back(static_cast<char>(c));
    } else if (!eilute.empty()) {
      atmesti.insert(eilute);
      eilute.clear();
    }
  }
  std::filesystem::remove(failas);
  return atmesti;
}

bool HunspellRiba::Dengia(const std::string& modelis, const std::string& etikete) const {
  if (modelis != Modelis) return false;
  for (const std::string& sablonas : Etiketes)
    if (::fnmatch(sablonas.c_str(), etikete.c_str(), 0) == 0) return true;
  return false;
}

std::vector<HunspellRiba> SkaitytiRibas(const std::string& kelias) {
  std::ifstream in(kelias);
  if (!in) throw std::runtime_error("cannot read " + kelias);
  std::vector<HunspellRiba> ribos;
  std::string eilute;
  for (int nr = 1; std::getline(in, eilute); ++nr) {
    if (eilute.empty() || eilute.front() == '#') continue;
    std::istringstream laukai(eilute);
    HunspellRiba riba;
    std::string etiketes;
    if (!std::getline(laukai, riba.Modelis, '\t') || !std::getline(laukai, etiketes, '\t') ||
        !std::getline(laukai, riba.Priezastis) || riba.Priezastis.empty())
      throw std::runtime_error(kelias + ":" + std::to_string(nr) + ": expected MODEL, PATTERNS, REASON");
    std::istringstream sablonai(etiketes);
    for (std::string sablonas; std::getline(sablonai, sablonas, ',');)
      riba.Etiketes.push_back(Apkarpyti(sablonas));
    ribos.push_back(std::move(riba));
  }
  return ribos;
}

}  // namespace kervosta::testai
