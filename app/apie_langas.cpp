#include "app/apie_langas.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ikonos.h"
#include "app/programa.h"

namespace kervosta {

QIcon ProgramosIkona() { return ZenkloIkona(QStringLiteral("K"), QColor(30, 90, 160)); }

namespace {
QLabel* IkonosZyme(QWidget* tevas) {
  auto* zyme = new QLabel(tevas);
  zyme->setPixmap(ProgramosIkona().pixmap(32, 32));
  return zyme;
}
}  // namespace

TForm2::TForm2(QWidget* savininkas)
    : QDialog(savininkas, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Apie %1...").arg(QString::fromUtf8(ProgramosPavadinimas)));
  setFixedSize(350, 225);

  auto* bevelis = new QFrame(this);
  bevelis->setFrameStyle(QFrame::Panel | QFrame::Raised);

  auto* pavadinimas = new QLabel(QString::fromUtf8(ProgramosPavadinimas), bevelis);
  pavadinimas->setObjectName(QStringLiteral("ProductName"));
  QFont sriftas(QStringLiteral("Tahoma"));
  sriftas.setBold(true);
  sriftas.setPixelSize(24);
  pavadinimas->setFont(sriftas);
  auto* antraste = new QHBoxLayout;
  antraste->addWidget(IkonosZyme(bevelis));
  antraste->addStretch();
  antraste->addWidget(pavadinimas);
  antraste->addStretch();
  antraste->addWidget(IkonosZyme(bevelis));

  auto* versija = new QLabel(QStringLiteral("Versija: %1").arg(QString::fromUtf8(ProgramosVersija)), bevelis);
  versija->setObjectName(QStringLiteral("Version"));
  versija->setAlignment(Qt::AlignCenter);
  auto* autoriai = new QLabel(QStringLiteral("Sukūrė Kervostos kūrėjų komanda"), bevelis);
  autoriai->setObjectName(QStringLiteral("Copyright"));
  autoriai->setAlignment(Qt::AlignCenter);
  QFont pusjuodis = autoriai->font();
  pusjuodis.setBold(true);
  autoriai->setFont(pusjuodis);

  auto* memo = new QPlainTextEdit(bevelis);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette spalvos = memo->palette();
  spalvos.setColor(QPalette::Base, spalvos.color(QPalette::Button));
  memo->setPalette(spalvos);
  memo->setPlainText(QStringLiteral(
      "Kervosta versija 1.09\n"
      "Kervosta žodyno versija 1.03\n"
      "Kervosta yra programa, skirta versti Anglų kalbos tekstus į \n"
      "Lietuvių kalbos tekstą.\n"
      "\n"
      "Žodynas, linksniavimo ir asmenavimo lentelės bei vertimo taisyklės parengtos "
      "Kervostos kūrėjų.\n"
      "Pastabas ir pasiūlymus siųskite programos kūrėjams."));

  auto* bevelioIsdestymas = new QVBoxLayout(bevelis);
  bevelioIsdestymas->addLayout(antraste);
  bevelioIsdestymas->addWidget(versija);
  bevelioIsdestymas->addWidget(autoriai);
  bevelioIsdestymas->addWidget(memo, 1);

  auto* aisku = new QPushButton(QStringLiteral("&Aišku"), this);
  aisku->setObjectName(QStringLiteral("OKButton"));
  aisku->setDefault(true);
  connect(aisku, &QPushButton::clicked, this, &QDialog::accept);

  auto* isdestymas = new QVBoxLayout(this);
  isdestymas->addWidget(bevelis, 1);
  isdestymas->addWidget(aisku, 0, Qt::AlignHCenter);
}

}  // namespace kervosta
