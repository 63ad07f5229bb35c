#include "app/zodyno_modelis.h"

#include <array>

#include "app/kalbos_dalys.h"
#include "app/koduote.h"
#include "core/kodai.h"

namespace kervosta {

namespace {
// A record's part of speech as the grid names it; codes outside 1..13 have no name.
QString IrasoDalis(std::int32_t daliesKodas) {
  if (daliesKodas < IrasoKodas(dDaiktavardis) || daliesKodas > IrasoKodas(dSkaitvardis)) return {};
  return DaliesPavadinimas(static_cast<std::uint8_t>(daliesKodas - 1));
}
}  // namespace

void ZodynoModelis::Uzpildyti(ZodynoSarasas& sarasas) {
  beginResetModel();
  sarasas.Numeruoti();
  mazgai_.clear();
  for (const ZodynoMazgas* m = sarasas.Galva(); m; m = m->Kitas) mazgai_.push_back(m);
  endResetModel();
}

int ZodynoModelis::rowCount(const QModelIndex& tevas) const {
  return tevas.isValid() ? 0 : static_cast<int>(mazgai_.size());
}

int ZodynoModelis::columnCount(const QModelIndex& tevas) const { return tevas.isValid() ? 0 : 4; }

QVariant ZodynoModelis::data(const QModelIndex& vieta, int role) const {
  if (role != Qt::DisplayRole || !vieta.isValid() || vieta.row() >= rowCount()) return {};
  const ZodynoIrasas& irasas = mazgai_[static_cast<std::size_t>(vieta.row())]->Duomenys;
  switch (vieta.column()) {
    case 0: return IsCp1257(irasas.Vaizdas(TekstoLaukas::Angl1));
    case 1: return IsCp1257(irasas.Vaizdas(TekstoLaukas::LietZodis));
    case 2: return IrasoDalis(irasas.DaliesKodas());
    case 3: return IsCp1257(irasas.Vaizdas(TekstoLaukas::Kamienas));
    default: return {};
  }
}

QVariant ZodynoModelis::headerData(int sekcija, Qt::Orientation kryptis, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (kryptis == Qt::Vertical) return sekcija + 1;
  static const std::array<const char*, 4> antrastes = {"Angliškas žodis", "Lietuviškas žodis",
                                                        "Kalbos dalis", "Kamienas"};
  if (sekcija < 0 || sekcija >= 4) return {};
  return QString::fromUtf8(antrastes[static_cast<std::size_t>(sekcija)]);
}

}  // namespace kervosta
