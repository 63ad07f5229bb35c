// Any bytes as an RTF document: the reader loads what it can and never fails, and what it loaded
// comes back from a save and load with the same text and formatting, run by run.
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/rtf.h"
#include "tests/rtf/dokumento_aprasas.h"

// Documents measure their text with fonts, which need an application; no display is needed.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char vardas[] = "rtf_fuzz";
  static char* argv[] = {vardas, nullptr};
  new QGuiApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* duomenys, std::size_t dydis) {
  using namespace kervosta;
  const QByteArray rtf(reinterpret_cast<const char*>(duomenys), static_cast<qsizetype>(dydis));
  QTextDocument perskaitytas, atkurtas;
  rtf::Skaityti(rtf, perskaitytas);
  const QByteArray issaugotas = rtf::Rasyti(perskaitytas);
  rtf::Skaityti(issaugotas, atkurtas);
  const QStringList tiketa = testai::AprasytiDokumenta(perskaitytas);
  const QStringList gauta = testai::AprasytiDokumenta(atkurtas);
  if (gauta != tiketa) {
    std::fprintf(stderr, "saved as:\n%s\nread first:\n%s\nread back:\n%s\n", issaugotas.constData(),
                 qUtf8Printable(tiketa.join('\n')), qUtf8Printable(gauta.join('\n')));
    std::abort();
  }
  return 0;
}
