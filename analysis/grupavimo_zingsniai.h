// The grammar steps over the groups of one sentence. They edit the sentence's words through the
// groups; the two analyses run them in different orders.
#pragma once

#include "core/grupe.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// A preposition that governs a case gives it to the noun group right after it, which becomes an
// indirect object.
void PrielinksniaiValdo(SGList& grupes);
// Inside a noun group: a noun before another noun and a possessive before a noun take the
// genitive; the group takes the gender of its last noun and the plural of any plural noun.
void DerintiDaiktavardziuGrupes(SGList& grupes);
// Subjects and objects of the verb groups, person agreement, the object's case (the genitive
// under negation, except after "be"), passive and predicate agreement with the subject.
// The copula test reads the built-in verb records of `zodynai`.
void NustatytiVaidmenis(SGList& grupes, const ZodynuRinkinys& zodynai);
// A verb passes the case it governs to an adverb right after it that governs none.
void VeiksmazodziaiPerduodaLinksni(SGList& grupes);
// An adverb that governs a case gives it to the noun group right after it.
void PrieveiksmiaiValdo(SGList& grupes);

}  // namespace kervosta
