// The changes the dictionary windows make to the lists: adding, changing, deleting and sorting
// entries, and loading, importing and saving the user dictionary. Each acts on the list that
// `VartotojoRezimas` selects (or on the user list, for the user-dictionary files) and keeps the
// flags that say whether a list still matches its file, so nothing unsaved is dropped unasked.
//
// File failures are FailoKlaida, as in lexicon/zodyno_failai.h; a failed operation leaves the
// list and its flag as they were, except where that header says otherwise.
#pragma once

#include <filesystem>

#include "lexicon/zodyno_irasas.h"
#include "lexicon/zodyno_sarasas.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// The user dictionary the program keeps between runs: "Dictionaries/vartotojo.dic" in the
// program directory.
std::filesystem::path NumatytasVartotojoZodynas(const ZodynuRinkinys& zodynai);

// The first node of the list whose entry is analogous to `irasas` (see Analogiski), or nullptr.
ZodynoMazgas* RastiAnalogiska(const ZodynoSarasas& sarasas, const ZodynoIrasas& irasas);

// A new entry at the tail of the selected list. The main dictionary's file gets the record first
// (a failure leaves the list without it); the user list is only marked changed.
void PridetiIrasa(ZodynuRinkinys& zodynai, const ZodynoIrasas& irasas);
// Replaces the whole record of a node of the selected list.
void PakeistiIrasa(ZodynuRinkinys& zodynai, ZodynoMazgas& mazgas, const ZodynoIrasas& irasas);
// Unlinks and frees a node of the selected list.
void TrintiIrasa(ZodynuRinkinys& zodynai, ZodynoMazgas* mazgas);
// Orders the selected list by headword (`Angl1`, byte order, a shorter text before the longer
// one it begins); entries with equal headwords keep their order. Records move, nodes stay.
void RusiuotiZodyna(ZodynuRinkinys& zodynai);

// Replaces the user list with the file's records and remembers the file. A file that cannot be
// read to its end leaves the list as it was.
void IkeltiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas);
// Appends the file's records to the user list.
void ImportuotiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas);
// Writes the user list to the file, creating its folder when needed, and remembers the file.
void IssaugotiVartotojoZodyna(ZodynuRinkinys& zodynai, const std::filesystem::path& failas);

}  // namespace kervosta
