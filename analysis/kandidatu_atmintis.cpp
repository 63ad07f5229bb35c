#include "analysis/kandidatu_atmintis.h"

#include <utility>

namespace kervosta {

void KandidatuAtmintis::Patikrinti(const ZodynuRinkinys& zodynai) {
  if (zodynai.VidiniaiIrasai == vidiniai_) return;
  Pamirsti();
  vidiniai_ = zodynai.VidiniaiIrasai;
}

const KandidatuAtmintis::Zodis* KandidatuAtmintis::Rasti(const ZodynuRinkinys& zodynai,
                                                         const std::string& zodis) {
  const std::uint64_t pagrindinio = zodynai.PagrindinisZodynas.Versija();
  const std::uint64_t vartotojo = zodynai.VartotojoZodynas.Versija();
  if (pagrindinio != pagrindinioVersija_ || vartotojo != vartotojoVersija_) {
    Pamirsti();
    pagrindinioVersija_ = pagrindinio;
    vartotojoVersija_ = vartotojo;
    return nullptr;
  }
  if (kiekis_ == 0) return nullptr;
  const Lizdas& lizdas = lizdai_[Vieta(zodis, FormosMaisa(zodis))];
  return lizdas.Ka.Kandidatai ? &lizdas.Ka : nullptr;
}

void KandidatuAtmintis::Isiminti(const std::string& zodis, Zodis ka) {
  if (kiekis_ >= Talpa) Pamirsti();
  if ((kiekis_ + 1) * 2 > lizdai_.size()) {
    std::vector<Lizdas> senieji(lizdai_.empty() ? 1024 : lizdai_.size() * 2);
    senieji.swap(lizdai_);
    for (Lizdas& lizdas : senieji)
      if (lizdas.Ka.Kandidatai) lizdai_[Vieta(lizdas.Zodis, lizdas.Maisa)] = std::move(lizdas);
  }
  const std::uint64_t maisa = FormosMaisa(zodis);
  Lizdas& lizdas = lizdai_[Vieta(zodis, maisa)];
  if (!lizdas.Ka.Kandidatai) ++kiekis_;
  lizdas = Lizdas{maisa, zodis, std::move(ka)};
}

std::size_t KandidatuAtmintis::Vieta(const std::string& zodis, std::uint64_t maisa) const {
  const std::size_t kauke = lizdai_.size() - 1;
  for (std::size_t i = maisa & kauke;; i = (i + 1) & kauke) {
    const Lizdas& lizdas = lizdai_[i];
    if (!lizdas.Ka.Kandidatai || (lizdas.Maisa == maisa && lizdas.Zodis == zodis)) return i;
  }
}

void KandidatuAtmintis::Pamirsti() {
  lizdai_.clear();
  kiekis_ = 0;
}

}  // namespace kervosta
