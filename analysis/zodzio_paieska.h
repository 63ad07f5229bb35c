// Word lookup: one English word form, as it stands in a sentence, becomes the words that say
// which entry it belongs to and which grammatical form it is.
//
// Two stages, always used in this order: the built-in closed-class words (modals and negation,
// the forms of "be", "can", "do", "have", the personal pronouns), then the dictionaries. English
// inflection is never analysed by rules (apart from the possessive endings): every form is stored
// in its entry and found by exact byte comparison. Both stages first lower-case A..Z only, so an
// entry stored with capitals is never found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/aplinka.h"
#include "core/sakinys.h"
#include "core/zodis.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// Maps A..Z to a..z and keeps every other byte, the Lithuanian letters included.
std::string AnglMazosiomis(std::string_view zodis);

// Recognises a built-in word: the modal table, the six built-in verb records and the personal
// pronouns, each later match overwriting what an earlier one wrote ("been" ends as built-in
// entry 3, "had" as the past participle of entry 6). Writes only the fields the matches set, so
// the caller resets `tikslas` first; returns whether anything matched. "you" and "your" follow
// the form of address.
bool AtpazintiVidini(const ZodynuRinkinys& zodynai, std::string_view zodis, TZodis& tikslas,
                     KreipinioForma kreipinys = KreipinioForma::Jus);

// A proper noun of English that Lithuanian writes in lower case, as its stem shows: the names of
// days and months (pirmadienis, but Kalėdos).
bool MazojiRaideLietuviskai(const ZodynoIrasas& irasas);

// Appends one candidate for every hit of the word in the main dictionary, then in the user
// dictionary, each list from head to tail; an entry may give several hits. Nothing is appended
// for an unknown word. The lists' index finds the entries, so only they are checked, with the
// very candidates and order a walk of every entry would give.
void IeskotiZodyne(ZodynuRinkinys& zodynai, std::string_view zodis, TZodziuList& kandidatai);

// The hits of one entry for a word already lower-cased (A..Z only), appended in the order
// translation sees them.
void IeskotiIrase(ZodynoMazgas& mazgas, std::string_view zodis, TZodziuList& kandidatai);

// The American spellings a British word may have ("colour" color, "centre" center, "travelled"
// traveled, "grey" gray), for a word the dictionaries lack; the word itself is not among them.
std::vector<std::string> AmerikietiskaRasyba(std::string_view zodis);

// The same into `aplinka.Variantai`, which the caller clears first.
void IeskotiZodyne(Aplinka& aplinka, std::string_view zodis);

// The dictionary browser's search of a word or phrase in every stored form: a built-in word is
// the only candidate, whatever the dictionaries hold; otherwise every dictionary hit. Refills
// `aplinka.Variantai` and returns how many candidates it holds.
int IeskotiVisoseFormose(Aplinka& aplinka, std::string_view tekstas);

}  // namespace kervosta
