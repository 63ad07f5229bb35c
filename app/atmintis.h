// What the desktop program remembers between runs, in a settings file of its own: the files
// opened or saved last, the folder the file dialogs start in, and whether the editors scroll
// together.
#pragma once

#include <QSettings>
#include <QStringList>

namespace kervosta {

class Atmintis {
 public:
  static constexpr int DaugiausiaFailu = 8;

  explicit Atmintis(const QString& failas);

  // Newest first.
  QStringList PaskutiniaiFailai() const;
  // The file goes to the head of the list, and its folder is where the dialogs start next.
  void Naudotas(const QString& kelias);
  void Pamirsti(const QString& kelias);
  void PamirstiVisus();
  // The folder last used while it exists, else the user's documents folder, else home.
  QString Katalogas() const;

  bool SinchroninisSlinkimas() const;
  void NustatytiSinchroniniSlinkima(bool ijungtas);

 private:
  void RasytiFailus(const QStringList& failai);

  QSettings nustatymai_;
};

}  // namespace kervosta
