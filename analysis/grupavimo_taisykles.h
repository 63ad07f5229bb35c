// Grammar steps for constructions of everyday English that the basic steps leave in English
// shape: time phrases, "there is" and "it is cold", "need", numbers and quantities, possessives of
// the subject, and words joined by "and".
#pragma once

#include <cstdint>

#include "core/grupe.h"
#include "lexicon/zodynai.h"

namespace kervosta {

// Role of a time phrase: an adverbial, never a subject or object.
inline constexpr std::uint8_t LaikoVaidmuo = fAplinkybe;

// Before the roles. Time phrases take the accusative and drop the preposition Lithuanian has no
// use for: "on Monday" pirmadienį, "in October" spalį, "every day" kiekvieną dieną, "for two
// hours" dvi valandas, "at noon" vidurdienį; "on Mondays" pirmadieniais; "in five minutes" po
// penkių minučių. A clock time after "at" or before "o'clock" is an ordinal: "at seven o'clock"
// septintą valandą. "by" after a passive verb names the doer, in the genitive.
void LaikoAplinkybes(SGList& grupes, const ZodynuRinkinys& zodynai);

// Before the roles. "need" takes its subject in the dative and its object in the genitive ("Man
// reikia laiko"); "no" before a noun group negates the verb before it ("There is no time": Nėra
// laiko), and so do "never", "nobody" and "nothing" right before or after it.
void ReikiaIrNe(SGList& grupes);

// After the roles. "there is" says only "yra", and a negated one puts what it is in the genitive
// (Nėra pieno); "some" and "any" before an object say nothing and leave it in the genitive; "it"
// before "is" and an adjective, or before a verb of weather, says nothing ("It is cold": Šalta;
// "It rains": Lyja), the adjective taking its neuter form.
void BeasmeniaiSakiniai(SGList& grupes);

// After the roles and the cases. A noun after a numeral of ten and more, or after a number
// written in digits that ends in 0 or in 11..19, and a noun after "many", "much", "few" and the
// other quantity words, takes the genitive (plural after numbers): dešimt metų, daug draugų. A
// noun after a number ending in 1 but not 11 is singular: 21 knyga.
void KiekiaiValdo(SGList& grupes);

// After the roles. A possessive that refers to the subject of its clause becomes "savo": "I lost
// my keys" Aš pamečiau savo raktus.
void SavoIvardziai(SGList& grupes);

// After the roles. "what" and "who" alone take the case their verb asks for: "What do you want?"
// Ko jūs norite?
void KasLinksniuojamas(SGList& grupes);

// After the roles and the cases. A noun group joined by "and" or "or" to an object or a
// prepositional object takes its role and case: "milk and eggs" pieno ir kiaušinių.
void SujungtosGrupes(SGList& grupes);

}  // namespace kervosta
