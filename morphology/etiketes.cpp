#include "morphology/etiketes.h"

#include "core/cp1257.h"

namespace kervosta {

using namespace literals;

constexpr std::array<std::string_view, 13> KalbuDaliuPavadinimai = {
    "Daiktavardis"_lt,  "Įvardis"_lt,      "Veiksmažodis"_lt,
    "Prieveiksmis"_lt,  "Būdvardis"_lt,    "Papildantis veiksmažodis"_lt,
    "Determinantas"_lt, "Prielinksnis"_lt, "Skyriklis"_lt,
    "Jungtukas"_lt,     "Nežinoma"_lt,     "Dalyvis"_lt,
    "Skaitvardis"_lt,
};

constexpr std::array<std::string_view, 8> DaiktavardzioKategorijos = {
    "Gyva būtybė (paukštis)"_lt, "Žmogus (brolis)"_lt,   "Negyvas daiktas (knyga)"_lt,
    "Reiškinys (lietus)"_lt,     "Laikas (savaitė)"_lt,  "Medžiaga (mediena)"_lt,
    "Vieta (mokykla)"_lt,        "Sąvoka (laimė)"_lt,
};

constexpr std::array<std::string_view, 4> VeiksmazodzioKategorijos = {
    "Statinės būsenos (spindi)"_lt,
    "Kintamos būsenos (auga)"_lt,
    "Veikėjo elgesys (eina)"_lt,
    "Kūryba/Naikinimas (pastato)"_lt,
};

constexpr std::array<std::string_view, 9> IvardzioRusys = {
    "Nežinomas"_lt,
    "Sangąžinis : manęs,tavęs"_lt,
    "Savybinis : mano,tavo"_lt,
    "Pažymimimasis : pats,pati"_lt,
    "Nežymimais : kažkas,keleri,kažkiek"_lt,
    "Klausiamieji : kas,kieno"_lt,
    "Parodomieji : šitas,tas"_lt,
    "Bendrieji : kiekvienas,visi"_lt,
    "Neigiamieji: niekas"_lt,
};

constexpr std::array<std::string_view, 7> ReikalaujamiKlausimai = {
    "Nereikalauja"_lt, "kas?"_lt, "ko?"_lt, "kam?"_lt, "ką?"_lt, "kuo?"_lt, "kur?"_lt,
};

constexpr std::array<std::string_view, 7> KitoZodzioKlausimai = {
    "Nereikalingas klausimas"_lt, "Kas?"_lt, "Ko?"_lt, "Kam?"_lt, "Ką?"_lt, "Kuo?"_lt, "Kur?"_lt,
};

constexpr std::array<std::string_view, 3> DaiktavardzioGimines = {
    "Vyriška"_lt, "Moteriška"_lt, "Abiejų giminių"_lt,
};

constexpr std::array<std::string_view, 3> Skaiciavimai = {
    "Abu skaičiai"_lt, "Tik vienaskaita"_lt, "Tik daugiskaita"_lt,
};

}  // namespace kervosta
