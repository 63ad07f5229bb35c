// Controls the entry editor's pages are built of, and the conversions between them and the
// pages' Windows-1257 values.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;
class QWidget;

namespace kervosta {

// A titled group of radio buttons, one chosen; the chosen button's position is the value.
class Radijas : public QGroupBox {
 public:
  // The buttons are named `vardas` followed by their position.
  Radijas(const QString& antraste, const QStringList& punktai, const char* vardas,
          QWidget* tevas = nullptr);
  int Indeksas() const;
  // A position without a button leaves the choice as it was.
  void Nustatyti(int indeksas);
  QButtonGroup* Grupe() const { return grupe_; }

 private:
  QButtonGroup* grupe_;
};

QStringList Etiketes(std::span<const std::string_view> cp1257);

QLineEdit* TekstoLangelis(const char* vardas, QWidget* tevas = nullptr);
QComboBox* Parinkiklis(const QStringList& etiketes, const char* vardas, QWidget* tevas = nullptr);
QCheckBox* Zymimasis(const QString& tekstas, const char* vardas, QWidget* tevas = nullptr);

std::string Tekstas(const QLineEdit* laukas);
void RodytiTeksta(QLineEdit* laukas, std::string_view cp1257);

// Read-only lines named `priesdelis` followed by 1..kiekis.
std::vector<QLineEdit*> PavyzdziuEilutes(const char* priesdelis, int kiekis);
void RodytiPavyzdzius(const std::vector<QLineEdit*>& eilutes,
                      const std::vector<std::string>& tekstai);

// A page's layout: the English controls beside the Lithuanian ones, with what lies above and
// below them (either may be null) across the page.
void IsdestytiPuslapi(QWidget* puslapis, QLayout* virsus, QLayout* angliskai, QLayout* lietuviskai,
                      QWidget* apacia);
// The example lines in a group of their own, below the control they show, if any.
QGroupBox* PavyzdziuGrupe(const QString& antraste, const std::vector<QLineEdit*>& eilutes,
                          QWidget* virsuje = nullptr);

}  // namespace kervosta
