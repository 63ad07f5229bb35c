// Dictionary files: headerless sequences of 460-byte records, in list order.
//
// Every failure is a FailoKlaida whose what() is the message the user sees. A failed read keeps
// the records read before it; a failed save leaves the old file as it was, because a save writes
// a temporary file beside the target and renames it over the target only when it is complete.
#pragma once

#include <filesystem>

#include "lexicon/failo_klaidos.h"
#include "lexicon/zodyno_irasas.h"
#include "lexicon/zodyno_sarasas.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// The main dictionary's file name inside the program directory.
inline constexpr const char* PagrindinioZodynoFailas = "main.zod";

// Replaces the list with the file's records, numbered 1..n. A file that cannot be opened leaves
// the list as it was.
void IkeltiZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas);
// Appends the file's records to the list; the new nodes keep Nr 0.
void ImportuotiZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas);
// Rewrites the file from the list, head to tail.
void IssaugotiZodyna(const std::filesystem::path& failas, const ZodynoSarasas& sarasas);
// Appends one record to an existing file, then links a copy at the list's tail (Nr 0).
// A missing file fails with FailasNerastas before the list changes.
void PridetiIZodyna(const std::filesystem::path& failas, ZodynoSarasas& sarasas,
                    const ZodynoIrasas& irasas);

// "main.zod" in ProgramosKatalogas into PagrindinisZodynas.
void IkeltiPagrindiniZodyna(ZodynuRinkinys& zodynai);
void IssaugotiPagrindiniZodyna(ZodynuRinkinys& zodynai);

// The six built-in verb records ("am", "be", "is", "can", "do", "have").
void UzpildytiVidiniusIrasus(ZodynuRinkinys& zodynai);

}  // namespace kervosta
