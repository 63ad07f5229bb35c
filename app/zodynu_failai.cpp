#include "app/zodynu_failai.h"

#include "app/dialogai.h"
#include "lexicon/failo_klaidos.h"
#include "lexicon/zodyno_failai.h"
#include "lexicon/zodyno_keitimas.h"

namespace kervosta {

namespace {
bool Saugoti(Dialogai& dialogai, const std::filesystem::path& failas,
             const std::function<void()>& saugojimas) {
  return ZodynoFailoVeiksmas(dialogai, QStringLiteral("Nepavyko išsaugoti žodyno"), failas, saugojimas);
}

bool LeistiPrarasti(bool pakeistas, Dialogai& dialogai, const QString& klausimas,
                    const auto& saugoti) {
  if (!pakeistas) return true;
  switch (dialogai.Klausti(klausimas)) {
    case Atsakymas::Taip: return saugoti();
    case Atsakymas::Ne: return true;
    default: return false;
  }
}
}  // namespace

bool ZodynoFailoVeiksmas(Dialogai& dialogai, const QString& nepavyko,
                         const std::filesystem::path& failas, const std::function<void()>& veiksmas) {
  try {
    veiksmas();
    return true;
  } catch (const FailoKlaida& klaida) {
    dialogai.RodytiKlaida(QStringLiteral("%1 „%2“: %3")
                              .arg(nepavyko, QString::fromStdU16String(failas.u16string()),
                                   QString::fromUtf8(klaida.what())));
    return false;
  }
}

bool IssaugotiPagrindini(ZodynuRinkinys& zodynai, Dialogai& dialogai) {
  return Saugoti(dialogai, zodynai.ProgramosKatalogas / PagrindinioZodynoFailas,
                 [&] { IssaugotiPagrindiniZodyna(zodynai); });
}

bool IssaugotiVartotojo(ZodynuRinkinys& zodynai, Dialogai& dialogai,
                        const std::filesystem::path& failas) {
  return Saugoti(dialogai, failas, [&] { IssaugotiVartotojoZodyna(zodynai, failas); });
}

std::filesystem::path VartotojoZodynoVieta(const ZodynuRinkinys& zodynai) {
  return zodynai.VartotojoZodynoFailas.empty() ? NumatytasVartotojoZodynas(zodynai)
                                               : zodynai.VartotojoZodynoFailas;
}

bool LeistiPrarastiPagrindini(ZodynuRinkinys& zodynai, Dialogai& dialogai) {
  return LeistiPrarasti(zodynai.PagrindinisPakeistas, dialogai, QStringLiteral("Išsaugoti žodyną?"),
                        [&] { return IssaugotiPagrindini(zodynai, dialogai); });
}

bool LeistiPrarastiVartotojo(ZodynuRinkinys& zodynai, Dialogai& dialogai) {
  return LeistiPrarasti(zodynai.VartotojoPakeistas, dialogai,
                        QStringLiteral("Išsaugoti vartotojo žodyną?"), [&] {
                          return IssaugotiVartotojo(zodynai, dialogai, VartotojoZodynoVieta(zodynai));
                        });
}

}  // namespace kervosta
