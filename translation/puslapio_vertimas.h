// Web page translation: the page's text runs translated, everything else kept.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "analysis/aplinka.h"

namespace kervosta {

// Translates one run of page text, Windows-1257 in and out.
using TekstoVertejas = std::function<std::string(std::string_view tekstas)>;

// The UTF-8 page with every text run translated (entities decoded first, the translation escaped
// again, its surrounding white space kept) and every tag, comment, script and style passed
// through as it was, except that a <meta> charset now says UTF-8. Tags may nest and quote '>';
// an unclosed tag or a run at the very end is kept too.
std::string VerstiPuslapi(std::string_view puslapis, const TekstoVertejas& vertejas);

// The same with the translation driver.
std::string VerstiPuslapi(Aplinka& aplinka, std::string_view puslapis);

}  // namespace kervosta
