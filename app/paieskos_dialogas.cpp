#include "app/paieskos_dialogas.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kervosta {

QTextCursor RastiToliau(const QTextDocument& dokumentas, const QTextCursor& dabartinis,
                        const QString& tekstas, bool& nuoPradzios) {
  nuoPradzios = false;
  if (tekstas.isEmpty()) return {};
  const int nuo = dabartinis.hasSelection() ? dabartinis.selectionEnd() : 0;
  QTextCursor radinys = dokumentas.find(tekstas, nuo, QTextDocument::FindCaseSensitively);
  if (radinys.isNull() && nuo > 0) {
    radinys = dokumentas.find(tekstas, 0, QTextDocument::FindCaseSensitively);
    nuoPradzios = !radinys.isNull();
  }
  return radinys;
}

QString PaieskosPranesimas(PaieskosRezultatas rezultatas) {
  switch (rezultatas) {
    case PaieskosRezultatas::Rasta: return {};
    case PaieskosRezultatas::RastaNuoPradzios: return QStringLiteral("Pasiekta pabaiga, ieškota nuo pradžios");
    case PaieskosRezultatas::Nerasta: return QStringLiteral("Nerasta");
  }
  return {};
}

PaieskosDialogas::PaieskosDialogas(QWidget* savininkas) : QDialog(savininkas) {
  setObjectName(QStringLiteral("FindDialog1"));
  setWindowTitle(QStringLiteral("Paieška"));
  tekstas_ = new QLineEdit(this);
  tekstas_->setObjectName(QStringLiteral("ieskomasTekstas"));
  // The search always tells capitals apart; the box says so rather than offering a choice.
  auto* didziosios = new QCheckBox(QStringLiteral("Skirti didžiąsias ir mažąsias raides"), this);
  didziosios->setObjectName(QStringLiteral("skirtiRaides"));
  didziosios->setChecked(true);
  didziosios->setEnabled(false);

  auto* mygtukai = new QDialogButtonBox(this);
  auto* toliau = mygtukai->addButton(QStringLiteral("Ieškoti toliau"), QDialogButtonBox::AcceptRole);
  toliau->setObjectName(QStringLiteral("ieskotiToliau"));
  toliau->setDefault(true);
  mygtukai->addButton(QStringLiteral("Atšaukti"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("atsaukti"));
  connect(toliau, &QPushButton::clicked, this, [this] { emit IeskotiToliau(tekstas_->text()); });
  rezultatas_ = new QLabel(this);
  rezultatas_->setObjectName(QStringLiteral("rezultatas"));
  connect(mygtukai, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* forma = new QFormLayout;
  forma->addRow(QStringLiteral("Ieškoti:"), tekstas_);
  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addLayout(forma);
  isdestymas->addWidget(didziosios);
  isdestymas->addWidget(rezultatas_);
  isdestymas->addWidget(mygtukai);
}

void PaieskosDialogas::RodytiRezultata(PaieskosRezultatas rezultatas) {
  rezultatas_->setText(PaieskosPranesimas(rezultatas));
}

}  // namespace kervosta
