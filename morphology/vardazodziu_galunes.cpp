#include "morphology/vardazodziu_galunes.h"

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

constexpr Lentele<238> DaiktavardzioGalunes = {
    // -as, -o, -ams  I vyras,vyrams
    "as"_lt, "o"_lt, "ui"_lt, "ą"_lt, "u"_lt, "e"_lt, "e"_lt,
    "ai"_lt, "ų"_lt, "ams"_lt, "us"_lt, "ais"_lt, "uose"_lt, "ai"_lt,
    // -ias, -io, -iams  I kelias,keliams
    "ias"_lt, "io"_lt, "iui"_lt, "ią"_lt, "iu"_lt, "yje"_lt, "y"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt, "iai"_lt,
    // j-as, j-o, j-ams  I vėjas,vėjams
    "as"_lt, "o"_lt, "ui"_lt, "ą"_lt, "u"_lt, "uje"_lt, "au"_lt,
    "ai"_lt, "ų"_lt, "ams"_lt, "us"_lt, "ais"_lt, "uose"_lt, "ai"_lt,
    // -is, -io, -iams  I brolis,broliams
    "is"_lt, "io"_lt, "iui"_lt, "į"_lt, "iu"_lt, "yje"_lt, "i"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt, "iai"_lt,
    // -ys, -io, -iams  I gaidys,gaidžiams
    "ys"_lt, "io"_lt, "iui"_lt, "į"_lt, "iu"_lt, "yje"_lt, "y"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt, "iai"_lt,
    // -a, -os, -oms  II galva,galvoms
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt, "a"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt, "os"_lt,
    // -ia, -ios, -ioms  II vyšnia,vyšnioms
    "ia"_lt, "ios"_lt, "iai"_lt, "ią"_lt, "ia"_lt, "ioje"_lt, "ia"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt, "ios"_lt,
    // -ti, -čios, -čioms  II marti,marčioms
    "ti"_lt, "čios"_lt, "čiai"_lt, "čią"_lt, "čia"_lt, "čioje"_lt, "čia"_lt,
    "čios"_lt, "čių"_lt, "čioms"_lt, "čias"_lt, "čiomis"_lt, "čiose"_lt, "čios"_lt,
    // -ė, -ės, -ėms  III bitė,bitėms
    "ė"_lt, "ės"_lt, "ei"_lt, "ę"_lt, "e"_lt, "ėje"_lt, "e"_lt,
    "ės"_lt, "ių"_lt, "ėms"_lt, "es"_lt, "ėmis"_lt, "ėse"_lt, "ės"_lt,
    // -us, -aus, -ums  IV alus,alums
    "us"_lt, "aus"_lt, "ui"_lt, "ų"_lt, "umi"_lt, "uje"_lt, "au"_lt,
    "ūs"_lt, "ų"_lt, "ums"_lt, "us"_lt, "umis"_lt, "uose"_lt, "ūs"_lt,
    // -ius, -iaus, -iams  IV skaičius,skaičiams
    "ius"_lt, "iaus"_lt, "iui"_lt, "ių"_lt, "iumi"_lt, "iuje"_lt, "iau"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt, "iai"_lt,
    // j-us, j-aus, j-ams  IV pavojus,pavojams
    "us"_lt, "aus"_lt, "ui"_lt, "ų"_lt, "umi"_lt, "uje"_lt, "au"_lt,
    "ai"_lt, "ų"_lt, "ams"_lt, "us"_lt, "ais"_lt, "uose"_lt, "ai"_lt,
    // mot. -is, -ies, -ims  V avis,avims
    "is"_lt, "ies"_lt, "iai"_lt, "į"_lt, "imi"_lt, "yje"_lt, "ie"_lt,
    "ys"_lt, "ių"_lt, "ims"_lt, "is"_lt, "imis"_lt, "yse"_lt, "ys"_lt,
    // vyr. -is, -ies, -ims  V dantis,dantims
    "is"_lt, "ies"_lt, "iui"_lt, "į"_lt, "imi"_lt, "yje"_lt, "ie"_lt,
    "ys"_lt, "ių"_lt, "ims"_lt, "is"_lt, "imis"_lt, "yse"_lt, "ys"_lt,
    // mot. -uo, -ers, -erims  V sesuo,sesers
    "uo"_lt, "ers"_lt, "eriai"_lt, "erį"_lt, "erimi"_lt, "eryje"_lt, "erie"_lt,
    "erys"_lt, "erų"_lt, "erims"_lt, "eris"_lt, "erimis"_lt, "eryse"_lt, "erys"_lt,
    // vyr. -uo, -ens, -enims  V vanduo,vandens
    "uo"_lt, "ens"_lt, "eniui"_lt, "enį"_lt, "eniu"_lt, "enyje"_lt, "enie"_lt,
    "enys"_lt, "enų"_lt, "enims"_lt, "enis"_lt, "enimis"_lt, "enyse"_lt, "enys"_lt,
    // -ė, -ers, -erims  V duktė,dukterims
    "ė"_lt, "ers"_lt, "eriai"_lt, "erį"_lt, "erimi"_lt, "eryje"_lt, "erie"_lt,
    "erys"_lt, "erų"_lt, "erims"_lt, "eris"_lt, "erimis"_lt, "eryse"_lt, "erys"_lt,
};

constexpr Lentele<17> DaiktavardzioLinksniuotes = {
    "-as, -o, -ams  I vyras,vyrams"_lt,
    "-ias, -io, -iams  I kelias,keliams"_lt,
    "j-as, j-o, j-ams  I vėjas,vėjams"_lt,
    "-is, -io, -iams  I brolis,broliams"_lt,
    "-ys, -io, -iams  I gaidys,gaidžiams"_lt,
    "-a, -os, -oms  II galva,galvoms"_lt,
    "-ia, -ios, -ioms  II vyšnia,vyšnioms"_lt,
    "-ti, -čios, -čioms  II marti,marčioms"_lt,
    "-ė, -ės, -ėms  III bitė,bitėms"_lt,
    "-us, -aus, -ums  IV alus,alums"_lt,
    "-ius, -iaus, -iams  IV skaičius,skaičiams"_lt,
    "j-us, j-aus, j-ams  IV pavojus,pavojams"_lt,
    "mot. -is, -ies, -ims  V avis,avims"_lt,
    "vyr. -is, -ies, -ims  V dantis,dantims"_lt,
    "mot. -uo, -ers, -erims  V sesuo,sesers"_lt,
    "vyr. -uo, -ens, -enims  V vanduo,vandens"_lt,
    "-ė, -ers, -erims  V duktė,dukterims"_lt,
};

constexpr Lentele<60> BudvardzioVyrGalunes = {
    // -as, -i geras,geri
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "u"_lt, "ame"_lt,
    "i"_lt, "ų"_lt, "iems"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -ias, -i žalias,žali
    "ias"_lt, "io"_lt, "iam"_lt, "ią"_lt, "iu"_lt, "iame"_lt,
    "i"_lt, "ių"_lt, "iems"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // -is, -i didelis,dideli
    "is"_lt, "io"_lt, "iam"_lt, "į"_lt, "iu"_lt, "iame"_lt,
    "i"_lt, "ių"_lt, "iems"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // -is, -iai medinis,mediniai
    "is"_lt, "io"_lt, "iam"_lt, "į"_lt, "iu"_lt, "iame"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // -us, -ūs gražus,gražūs
    "us"_lt, "aus"_lt, "iam"_lt, "ų"_lt, "iu"_lt, "iame"_lt,
    "ūs"_lt, "ių"_lt, "iems"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
};

constexpr Lentele<48> BudvardzioMotGalunes = {
    // -a, -os gera,geros
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    // -ia, -ios žalia,žalios
    "ia"_lt, "ios"_lt, "iai"_lt, "ią"_lt, "ia"_lt, "ioje"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    // -i, -ios graži,gražios
    "i"_lt, "ios"_lt, "iai"_lt, "ią"_lt, "ia"_lt, "ioje"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    // -ė, -ės medinė,medinės
    "ė"_lt, "ės"_lt, "ei"_lt, "ę"_lt, "e"_lt, "ėje"_lt,
    "ės"_lt, "ių"_lt, "ėms"_lt, "es"_lt, "ėmis"_lt, "ėse"_lt,
};

constexpr Lentele<5> BudvardzioVyrLinksniuotes = {
    "-as, -i geras,geri"_lt,
    "-ias, -i žalias,žali"_lt,
    "-is, -i didelis,dideli"_lt,
    "-is, -iai medinis,mediniai"_lt,
    "-us, -ūs gražus,gražūs"_lt,
};

constexpr Lentele<4> BudvardzioMotLinksniuotes = {
    "-a, -os gera,geros"_lt,
    "-ia, -ios žalia,žalios"_lt,
    "-i, -ios graži,gražios"_lt,
    "-ė, -ės medinė,medinės"_lt,
};

constexpr Lentele<24> AukstesniojoLaipsnio = {
    // masculine
    "esnis"_lt, "esnio"_lt, "esniam"_lt, "esnį"_lt, "esniu"_lt, "esniame"_lt,
    "esni"_lt, "esnių"_lt, "esniems"_lt, "esnius"_lt, "esniais"_lt, "esniuose"_lt,
    // feminine
    "esnė"_lt, "esnės"_lt, "esnei"_lt, "esnę"_lt, "esne"_lt, "esnėje"_lt,
    // The feminine plural keeps the ė of its nominative: geresnėmis, geresnėse.
    "esnės"_lt, "esnių"_lt, "esnėms"_lt, "esnes"_lt, "esnėmis"_lt, "esnėse"_lt,
};

constexpr Lentele<24> AuksciausiojoLaipsnio = {
    // masculine
    "iausias"_lt, "iausio"_lt, "iausiam"_lt, "iausią"_lt, "iausiu"_lt, "iausiame"_lt,
    "iausi"_lt, "iausių"_lt, "iausiems"_lt, "iausius"_lt, "iausiais"_lt, "iausiuose"_lt,
    // feminine
    "iausia"_lt, "iausios"_lt, "iausiai"_lt, "iausią"_lt, "iausia"_lt, "iausioje"_lt,
    "iausios"_lt, "iausių"_lt, "iausioms"_lt, "iausias"_lt, "iausiomis"_lt, "iausiose"_lt,
};

constexpr Lentele<84> SkaitvardzioVyrGalunes = {
    // -as vienas
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "u"_lt, "ame"_lt,
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "u"_lt, "ame"_lt,
    // -i penki; the accusative has no i before its ending: penkis
    "i"_lt, "ių"_lt, "iems"_lt, "is"_lt, "iais"_lt, "iuose"_lt,
    "i"_lt, "ių"_lt, "iems"_lt, "is"_lt, "iais"_lt, "iuose"_lt,
    // -a vienuolika
    "a"_lt, "os"_lt, "ai"_lt, "a"_lt, "a"_lt, "oje"_lt,
    "a"_lt, "os"_lt, "ai"_lt, "a"_lt, "a"_lt, "oje"_lt,
    // -as šimtas
    "as"_lt, "o"_lt, "ui"_lt, "ą"_lt, "u"_lt, "e"_lt,
    "ai"_lt, "ų"_lt, "ams"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -is tūkstantis
    "is"_lt, "iui"_lt, "iui"_lt, "į"_lt, "iu"_lt, "yje"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // du
    "du"_lt, "dviejų"_lt, "dviem"_lt, "du"_lt, "dviem"_lt, "dviejuose"_lt,
    "du"_lt, "dviejų"_lt, "dviem"_lt, "du"_lt, "dviem"_lt, "dviejuose"_lt,
    // trys
    "trys"_lt, "trijų"_lt, "trims"_lt, "tris"_lt, "trimis"_lt, "trijuose"_lt,
    "trys"_lt, "trijų"_lt, "trims"_lt, "tris"_lt, "trimis"_lt, "trijuose"_lt,
};

constexpr Lentele<84> SkaitvardzioMotGalunes = {
    // -as vienas
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    // -i penki
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    // -a vienuolika
    "a"_lt, "os"_lt, "ai"_lt, "a"_lt, "a"_lt, "oje"_lt,
    "a"_lt, "os"_lt, "ai"_lt, "a"_lt, "a"_lt, "oje"_lt,
    // -as šimtas
    "as"_lt, "o"_lt, "ui"_lt, "ą"_lt, "u"_lt, "e"_lt,
    "ai"_lt, "ų"_lt, "ams"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -is tūkstantis
    "is"_lt, "iui"_lt, "iui"_lt, "į"_lt, "iu"_lt, "yje"_lt,
    "iai"_lt, "ių"_lt, "iams"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // du
    "dvi"_lt, "dviejų"_lt, "dviem"_lt, "dvi"_lt, "dviem"_lt, "dviejose"_lt,
    "dvi"_lt, "dviejų"_lt, "dviem"_lt, "dvi"_lt, "dviem"_lt, "dviejose"_lt,
    // trys
    "trys"_lt, "trijų"_lt, "trims"_lt, "tris"_lt, "trimis"_lt, "trijose"_lt,
    "trys"_lt, "trijų"_lt, "trims"_lt, "tris"_lt, "trimis"_lt, "trijose"_lt,
};

constexpr Lentele<7> SkaitvardzioLinksniuotes = {
    "-as vienas"_lt,
    "-i penki"_lt,
    "-a vienuolika"_lt,
    "-as šimtas"_lt,
    "-is tūkstantis"_lt,
    "du"_lt,
    "trys"_lt,
};

constexpr Lentele<24> KelintinioVyrGalunes = {
    // -as pirmas-pirma
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "u"_lt, "ame"_lt,
    "i"_lt, "ų"_lt, "iems"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -čias trečias-trečia
    "čias"_lt, "čio"_lt, "čiam"_lt, "čią"_lt, "čiu"_lt, "čiame"_lt,
    "ti"_lt, "čių"_lt, "tiems"_lt, "čius"_lt, "čiais"_lt, "čiuose"_lt,
};

constexpr Lentele<24> KelintinioMotGalunes = {
    // -as pirmas-pirma
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    // -čias trečias-trečia
    // The feminine locative is trečioje; trečiame is the masculine one.
    "čia"_lt, "čios"_lt, "čiai"_lt, "čią"_lt, "čia"_lt, "čioje"_lt,
    "čios"_lt, "čių"_lt, "čioms"_lt, "čias"_lt, "čiomis"_lt, "čiose"_lt,
};

constexpr Lentele<2> KelintinioLinksniuotes = {
    "-as pirmas-pirma"_lt,
    "-čias trečias-trečia"_lt,
};

constexpr Lentele<84> IvardzioVyrGalunes = {
    // -as,-a šitas,šita
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "uo"_lt, "ame"_lt,
    "ie"_lt, "ų"_lt, "iems"_lt, "uos"_lt, "ais"_lt, "uose"_lt,
    // -is,-i šis,ši
    "is"_lt, "io"_lt, "iam"_lt, "į"_lt, "iuo"_lt, "iame"_lt,
    "ie"_lt, "ių"_lt, "iems"_lt, "iuos"_lt, "iais"_lt, "iuose"_lt,
    // -s,-ia toks,tokia
    "s"_lt, "io"_lt, "iam"_lt, "į"_lt, "iu"_lt, "iame"_lt,
    "ie"_lt, "ių"_lt, "iems"_lt, "ius"_lt, "iais"_lt, "iuose"_lt,
    // -ts,-ti pats,pati
    "ts"_lt, "čio"_lt, "čiam"_lt, "tį"_lt, "čiu"_lt, "čiame"_lt,
    "tys"_lt, "čių"_lt, "tiems"_lt, "čius"_lt, "čiais"_lt, "čiuose"_lt,
    // -i,-os visi,visos
    "i"_lt, "ų"_lt, "iems"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    "i"_lt, "ų"_lt, "iems"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -as,-a vienas,viena; unlike šituo, the instrumental is vienu
    "as"_lt, "o"_lt, "am"_lt, "ą"_lt, "u"_lt, "ame"_lt,
    "i"_lt, "ų"_lt, "iems"_lt, "us"_lt, "ais"_lt, "uose"_lt,
    // -i,-ios keli,kelios; the accusative is kelis (kelius is the plural of kelias, road)
    "i"_lt, "ių"_lt, "iems"_lt, "is"_lt, "iais"_lt, "iuose"_lt,
    "i"_lt, "ių"_lt, "iems"_lt, "is"_lt, "iais"_lt, "iuose"_lt,
};

constexpr Lentele<84> IvardzioMotGalunes = {
    // -as,-a šitas,šita
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    // -is,-i šis,ši
    "i"_lt, "ios"_lt, "iai"_lt, "ią"_lt, "ia"_lt, "ioje"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    // -s,-ia toks,tokia
    "ia"_lt, "ios"_lt, "iai"_lt, "ią"_lt, "ia"_lt, "ioje"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    // -ts,-ti pats,pati
    "ti"_lt, "čios"_lt, "čiai"_lt, "čią"_lt, "čia"_lt, "čioje"_lt,
    "čios"_lt, "čių"_lt, "čioms"_lt, "čias"_lt, "čiomis"_lt, "čiose"_lt,
    // -i,-os visi,visos
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    // -as,-a vienas,viena
    "a"_lt, "os"_lt, "ai"_lt, "ą"_lt, "a"_lt, "oje"_lt,
    "os"_lt, "ų"_lt, "oms"_lt, "as"_lt, "omis"_lt, "ose"_lt,
    // -i,-ios keli,kelios
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
    "ios"_lt, "ių"_lt, "ioms"_lt, "ias"_lt, "iomis"_lt, "iose"_lt,
};

constexpr Lentele<7> IvardzioLinksniuotes = {
    "-as,-a šitas,šita"_lt,
    "-is,-i šis,ši"_lt,
    "-s,-ia toks,tokia"_lt,
    "-ts,-ti pats,pati"_lt,
    "-i,-os visi,visos"_lt,
    "-as,-a vienas,viena"_lt,
    "-i,-ios keli,kelios"_lt,
};

constexpr Lentele<60> AsmeniniaiIvardziai = {
    "aš"_lt, "manęs"_lt, "man"_lt, "mane"_lt, "manimi"_lt, "manyje"_lt,  // 1
    "tu"_lt, "tavęs"_lt, "tau"_lt, "tave"_lt, "tavimi"_lt, "tavyje"_lt,  // 2
    "jis"_lt, "jo"_lt, "jam"_lt, "jį"_lt, "juo"_lt, "jame"_lt,  // 3
    "ji"_lt, "jos"_lt, "jai"_lt, "ją"_lt, "ja"_lt, "joje"_lt,  // 4
    "mes"_lt, "mūsų"_lt, "mums"_lt, "mus"_lt, "mumis"_lt, "mumyse"_lt,  // 5
    "jūs"_lt, "jūsų"_lt, "jums"_lt, "jus"_lt, "jumis"_lt, "jumyse"_lt,  // 6
    "jie"_lt, "jų"_lt, "jiems"_lt, "juos"_lt, "jais"_lt, "juose"_lt,  // 7
    "jos"_lt, "jų"_lt, "joms"_lt, "jas"_lt, "jomis"_lt, "jose"_lt,  // 8
    "tai"_lt, "to"_lt, "tam"_lt, "tą"_lt, "tuo"_lt, "tame"_lt,  // 9
    ""_lt, "savęs"_lt, "sau"_lt, "save"_lt, "savimi"_lt, "savyje"_lt,  // 10
};

}  // namespace kervosta
