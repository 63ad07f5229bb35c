#include "morphology/veiksmazodziu_galunes.h"

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

constexpr std::array<std::string_view, 6 * EsamojoLaikoKlasiu> EsamojoLaikoGalunes = {
    "u"_lt,     "i"_lt,    "a"_lt,    "ame"_lt,   "ate"_lt,   "a"_lt,     // kala
    "iu"_lt,    "i"_lt,    "ia"_lt,   "iame"_lt,  "iate"_lt,  "ia"_lt,    // piešia
    "iu"_lt,    "i"_lt,    "i"_lt,    "ime"_lt,   "ite"_lt,   "i"_lt,     // myli
    "au"_lt,    "ai"_lt,   "o"_lt,    "ome"_lt,   "ote"_lt,   "o"_lt,     // rašo
    "uosi"_lt,  "iesi"_lt, "asi"_lt,  "amės"_lt,  "atės"_lt,  "asi"_lt,   // barasi
    "iuosi"_lt, "iesi"_lt, "iasi"_lt, "iamės"_lt, "iatės"_lt, "iasi"_lt,  // kuriasi
    "iuosi"_lt, "iesi"_lt, "isi"_lt,  "imės"_lt,  "itės"_lt,  "isi"_lt,   // mylisi
    "ausi"_lt,  "aisi"_lt, "osi"_lt,  "omės"_lt,  "otės"_lt,  "osi"_lt,   // mokosi
};

constexpr std::array<std::string_view, EsamojoLaikoKlasiu> EsamojoLaikoAsmenuotes = {
    "-a kala"_lt,      "-ia piešia"_lt,    "-i myli"_lt,     "-o rašo"_lt,
    "-asi barasi"_lt,  "-iasi kuriasi"_lt, "-isi mylisi"_lt, "-osi mokosi"_lt,
};

constexpr std::array<std::string_view, 6 * ButojoLaikoKlasiu> ButojoLaikoGalunes = {
    "au"_lt,    "ai"_lt,   "o"_lt,   "ome"_lt,  "ote"_lt,  "o"_lt,    // mylėjo
    "iau"_lt,   "ei"_lt,   "ė"_lt,   "ėme"_lt,  "ėte"_lt,  "ė"_lt,    // kalė
    "ausi"_lt,  "aisi"_lt, "osi"_lt, "omės"_lt, "otės"_lt, "osi"_lt,  // pykosi
    "iausi"_lt, "eisi"_lt, "ėsi"_lt, "ėmės"_lt, "ėtės"_lt, "ėsi"_lt,  // mokėsi
};

constexpr std::array<std::string_view, ButojoLaikoKlasiu> ButojoLaikoAsmenuotes = {
    "-o mylėjo"_lt, "-ė kalė"_lt, "-osi pykosi"_lt, "-ėsi mokėsi"_lt,
};

constexpr std::array<std::string_view, 6 * BusimojoLaikoKlasiu> BusimojoLaikoGalunes = {
    "siu"_lt,    "si"_lt,    "s"_lt,   "sime"_lt,  "site"_lt,  "s"_lt,    // bėgs
    "siuosi"_lt, "siesi"_lt, "sis"_lt, "simės"_lt, "sitės"_lt, "sis"_lt,  // mokysis
    "iu"_lt,     "i"_lt,     ""_lt,    "ime"_lt,   "ite"_lt,   ""_lt,     // mes
};

constexpr std::array<std::string_view, BusimojoLaikoKlasiu> BusimojoLaikoAsmenuotes = {
    "-s bėgs"_lt, "-sis mokysis"_lt, "- mes"_lt,
};

constexpr std::array<std::string_view, BusimojoLaikoKlasiu> BendratiesGalunes = {
    "ti"_lt, "tis"_lt, "ti"_lt,
};

constexpr std::array<std::string_view, 6 * BusimojoLaikoKlasiu> TariamosiosGalunes = {
    "čiau"_lt,   "tum"_lt,     "tų"_lt,   "tume"_lt,  "tute"_lt,  "tų"_lt,
    "čiausi"_lt, "tumeisi"_lt, "tųsi"_lt, "tumės"_lt, "tutės"_lt, "tųsi"_lt,
    "čiau"_lt,   "tum"_lt,     "tų"_lt,   "tume"_lt,  "tute"_lt,  "tų"_lt,
};

constexpr std::array<std::string_view, 6 * BusimojoLaikoKlasiu> LiepiamosiosGalunes = {
    ""_lt, "k"_lt,   ""_lt, "kime"_lt,  "kite"_lt,  ""_lt,
    ""_lt, "kis"_lt, ""_lt, "kimės"_lt, "kitės"_lt, ""_lt,
    ""_lt, "k"_lt,   ""_lt, "kime"_lt,  "kite"_lt,  ""_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> VeikEsamojoDalyvioGalunes = {
    "ntis"_lt,  "nčio"_lt,  "nčiam"_lt,  "ntį"_lt,   "nčiu"_lt,    "nčiame"_lt,
    "ntys"_lt,  "nčių"_lt,  "ntiems"_lt, "nčius"_lt, "nčiais"_lt,  "nčiuose"_lt,
    "nti"_lt,   "nčios"_lt, "nčiai"_lt,  "nčią"_lt,  "nčia"_lt,    "nčioje"_lt,
    "nčios"_lt, "nčių"_lt,  "nčioms"_lt, "nčias"_lt, "nčiomis"_lt, "nčiose"_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> VeikButojoDalyvioGalunes = {
    "ęs"_lt,    "usio"_lt,  "usiam"_lt,  "usį"_lt,   "usiu"_lt,    "usiame"_lt,
    "ę"_lt,     "usių"_lt,  "usiems"_lt, "usius"_lt, "usiais"_lt,  "usiuose"_lt,
    "usi"_lt,   "usios"_lt, "usiai"_lt,  "usią"_lt,  "usia"_lt,    "usioje"_lt,
    "usios"_lt, "usių"_lt,  "usioms"_lt, "usias"_lt, "usiomis"_lt, "usiose"_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> VeikDazninioDalyvioGalunes = {
    "davęs"_lt,    "davusio"_lt,  "davusiam"_lt,  "davusį"_lt,   "davusiu"_lt,    "davusiame"_lt,
    "davę"_lt,     "davusių"_lt,  "davusiems"_lt, "davusius"_lt, "davusiais"_lt,  "davusiuose"_lt,
    "davusi"_lt,   "davusios"_lt, "davusiai"_lt,  "davusią"_lt,  "davusia"_lt,    "davusioje"_lt,
    "davusios"_lt, "davusių"_lt,  "davusioms"_lt, "davusias"_lt, "davusiomis"_lt, "davusiose"_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> VeikBusimojoDalyvioGalunes = {
    "siantis"_lt,  "siančio"_lt,  "siančiam"_lt,  "siantį"_lt,   "siančiu"_lt,    "siančiame"_lt,
    "siantys"_lt,  "siančių"_lt,  "siantiems"_lt, "siančius"_lt, "siančiais"_lt,  "siančiuose"_lt,
    "sianti"_lt,   "siančios"_lt, "siančiai"_lt,  "siančią"_lt,  "siančia"_lt,    "siančioje"_lt,
    "siančios"_lt, "siančių"_lt,  "siančioms"_lt, "siančias"_lt, "siančiomis"_lt, "siančiose"_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> NeveikEsamojoDalyvioGalunes = {
    "mas"_lt, "mo"_lt,  "mam"_lt,   "mą"_lt,  "mu"_lt,    "mame"_lt,
    "mi"_lt,  "mų"_lt,  "miems"_lt, "mus"_lt, "mais"_lt,  "muose"_lt,
    "ma"_lt,  "mos"_lt, "mai"_lt,   "mą"_lt,  "ma"_lt,    "moje"_lt,
    "mos"_lt, "mų"_lt,  "moms"_lt,  "mas"_lt, "momis"_lt, "mose"_lt,
};

constexpr std::array<std::string_view, DalyvioGaluniu> NeveikButojoDalyvioGalunes = {
    "tas"_lt, "to"_lt,  "tam"_lt,   "tą"_lt,  "tu"_lt,    "tame"_lt,
    "ti"_lt,  "tų"_lt,  "tiems"_lt, "tus"_lt, "tais"_lt,  "tuose"_lt,
    "ta"_lt,  "tos"_lt, "tai"_lt,   "tą"_lt,  "ta"_lt,    "toje"_lt,
    "tos"_lt, "tų"_lt,  "toms"_lt,  "tas"_lt, "tomis"_lt, "tose"_lt,
};

}  // namespace kervosta
