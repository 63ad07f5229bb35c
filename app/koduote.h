// The GUI's edge of the engine's text: QString <-> Windows-1257.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace kervosta {

QString IsCp1257(std::string_view cp1257);

// Characters the code page cannot hold become '?'; `pakeista`, when given, counts them.
std::string ICp1257(const QString& tekstas, std::size_t* pakeista = nullptr);

}  // namespace kervosta
