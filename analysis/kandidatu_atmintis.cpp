#include "analysis/kandidatu_atmintis.h"

#include <utility>

namespace kervosta {

KandidatuAtmintis::Sarasas KandidatuAtmintis::Rasti(const ZodynuRinkinys& zodynai,
                                                     const std::string& zodis) {
  const std::uint64_t pagrindinio = zodynai.PagrindinisZodynas.Versija();
  const std::uint64_t vartotojo = zodynai.VartotojoZodynas.Versija();
  if (pagrindinio != pagrindinioVersija_ || vartotojo != vartotojoVersija_) {
    sarasai_.clear();
    pagrindinioVersija_ = pagrindinio;
    vartotojoVersija_ = vartotojo;
    return nullptr;
  }
  const auto rasta = sarasai_.find(zodis);
  return rasta == sarasai_.end() ? nullptr : rasta->second;
}

void KandidatuAtmintis::Isiminti(const std::string& zodis, Sarasas sarasas) {
  if (sarasai_.size() >= Talpa) sarasai_.clear();
  sarasai_.insert_or_assign(zodis, std::move(sarasas));
}

}  // namespace kervosta
