// Dictionary files from the windows: every failure shown in the error box, and the question
// asked before a list's unsaved changes would be lost.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "lexicon/zodynai.h"

namespace kervosta {

class Dialogai;

// Runs a file operation on `failas`; a FailoKlaida is shown as "<nepavyko> „<failas>“: <reason>".
// True when the operation succeeded.
bool ZodynoFailoVeiksmas(Dialogai& dialogai, const QString& nepavyko,
                         const std::filesystem::path& failas, const std::function<void()>& veiksmas);

// True when the file was written.
bool IssaugotiPagrindini(ZodynuRinkinys& zodynai, Dialogai& dialogai);
bool IssaugotiVartotojo(ZodynuRinkinys& zodynai, Dialogai& dialogai,
                        const std::filesystem::path& failas);
// Where the user list goes when saved without a dialog: the file it came from, else the
// program's own user dictionary.
std::filesystem::path VartotojoZodynoVieta(const ZodynuRinkinys& zodynai);

// With unsaved changes, "Išsaugoti žodyną?" (main) or "Išsaugoti vartotojo žodyną?" (user):
// Yes saves, No lets them go. False when the user cancels or the save failed.
bool LeistiPrarastiPagrindini(ZodynuRinkinys& zodynai, Dialogai& dialogai);
bool LeistiPrarastiVartotojo(ZodynuRinkinys& zodynai, Dialogai& dialogai);

}  // namespace kervosta
