// The rows of a dictionary grid: the nodes of one list as they stood at the last refresh, each
// shown as headword, Lithuanian word, part of speech and stem.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "lexicon/zodyno_sarasas.h"

namespace kervosta {

class ZodynoModelis : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Numbers the list's nodes 1..n and shows them in that order.
  void Uzpildyti(ZodynoSarasas& sarasas);

  int rowCount(const QModelIndex& tevas = {}) const override;
  int columnCount(const QModelIndex& tevas = {}) const override;
  QVariant data(const QModelIndex& vieta, int role = Qt::DisplayRole) const override;
  QVariant headerData(int sekcija, Qt::Orientation kryptis, int role = Qt::DisplayRole) const override;

 private:
  std::vector<const ZodynoMazgas*> mazgai_;
};

}  // namespace kervosta
