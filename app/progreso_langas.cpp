#include "app/progreso_langas.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/programa.h"
#include "app/valdikliu_vardai.h"

namespace kervosta {

TForm9::TForm9(QWidget* savininkas)
    : QDialog(savininkas, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QString::fromUtf8(ProgramosPavadinimas));
  setWindowModality(Qt::WindowModal);

  Edit1_ = Vardinti(new QLineEdit(this), "Edit1");
  Edit1_->setReadOnly(true);
  ProgressBar1_ = Vardinti(new QProgressBar(this), "ProgressBar1");
  ProgressBar1_->setRange(0, 100);
  Edit2_ = Vardinti(new QLineEdit(this), "Edit2");
  Edit2_->setReadOnly(true);
  auto* stabdyti = Vardinti(new QPushButton(QStringLiteral("Stabdyti"), this), "Button1");
  connect(stabdyti, &QPushButton::clicked, this, &QDialog::reject);

  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addWidget(Vardinti(new QLabel(QStringLiteral("Užduotis:"), this), "Label1"));
  isdestymas->addWidget(Edit1_);
  isdestymas->addWidget(Vardinti(new QLabel(QStringLiteral("Progresas:"), this), "Label2"));
  isdestymas->addWidget(ProgressBar1_);
  isdestymas->addWidget(Edit2_);
  isdestymas->addWidget(stabdyti, 0, Qt::AlignRight);
  setFixedSize(QSize(329, 129).expandedTo(sizeHint()));
}

void TForm9::Rodyti(const QString& uzduotis, const QString& busena, int procentai) {
  Edit1_->setText(uzduotis);
  Edit2_->setText(busena);
  ProgressBar1_->setValue(procentai);
  if (!isVisible()) show();
}

}  // namespace kervosta
