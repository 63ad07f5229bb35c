// The main window's questions answered with Qt's modal dialogs.
#pragma once

#include "app/dialogai.h"

class QWidget;

namespace kervosta {

class QtDialogai : public Dialogai {
 public:
  explicit QtDialogai(QWidget* savininkas) : savininkas_(savininkas) {}

  Atsakymas KlaustiIssaugoti(const QString& failoVardas) override;
  bool KlaustiPerrasyti(const QString& kelias) override;
  std::optional<AtvertimoPasirinkimas> PasirinktiAtverti(const QString& katalogas) override;
  std::optional<QString> PasirinktiIssaugoti(const QString& pradzia, bool tekstas) override;
  std::optional<QColor> PasirinktiSpalva(const QColor& dabartine) override;
  std::optional<QFont> PasirinktiSrifta(const QFont& dabartinis) override;
  void RodytiKlaida(const QString& pranesimas) override;
  void Pranesti(const QString& antraste, const QString& tekstas) override;
  bool KlaustiGerai(const QString& antraste, const QString& tekstas) override;
  Atsakymas Klausti(const QString& tekstas) override;
  std::optional<QString> PasirinktiZodyna(bool issaugoti, const QString& katalogas) override;
  int Rodyti(QDialog& langas) override;
  std::optional<QString> PasirinktiDokumenta(const QString& katalogas) override;
  void AtvertiIsoreje(const QString& failas) override;

 private:
  QWidget* savininkas_;
};

}  // namespace kervosta
