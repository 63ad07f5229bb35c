// The entry editor's pages, one a part of speech: each shows and reads its values
// (morphology/iraso_laukai.h), fills English forms and stems in while the user types, enables
// what its choices leave open and keeps its example lines up to date.
#pragma once

#include <QWidget>
#include <vector>

#include "morphology/iraso_laukai.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kervosta {

class Radijas;

class IrasoPuslapis : public QWidget {
 public:
  using QWidget::QWidget;

  virtual IrasoLaukai Laukai() const = 0;
  // Shows the values as they are, filling nothing in, then enables and refreshes the examples.
  void Rodyti(const IrasoLaukai& laukai);
  // Every text empty, every choice its first item, "more/most" and "Taisyklingas" ticked.
  virtual void Valyti() = 0;
  // The English box that takes the word a new entry is opened with; none on the numeral page.
  virtual QLineEdit* AnglZodzioLaukas() const = 0;

 protected:
  virtual void Irasyti(const IrasoLaukai& laukai) = 0;
  virtual void Atnaujinti() = 0;
  // False while Rodyti sets the controls, when nothing is filled in automatically.
  bool Rasoma() const { return !rodoma_; }
  // Every change of these controls refreshes the enabling and the examples.
  template <typename... Valdikliai>
  void Stebeti(Valdikliai*... valdikliai) {
    (Stebeti1(valdikliai), ...);
  }

 private:
  void Stebeti1(QLineEdit* laukas);
  void Stebeti1(QComboBox* parinkiklis);
  void Stebeti1(QCheckBox* zymimasis);
  void Stebeti1(Radijas* radijas);
  void Pakeista();

  bool rodoma_ = false;
};

class DaiktavardzioPuslapis final : public IrasoPuslapis {
 public:
  explicit DaiktavardzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(DaiktavardzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return vienaskaita_; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  void Atnaujinti() override;

 private:
  QLineEdit* vienaskaita_;
  QLineEdit* daugiskaita_;
  Radijas* anglSkaicius_;
  Radijas* tikrinisAngl_;
  QLineEdit* kamienas_;
  QComboBox* kategorija_;
  Radijas* gimine_;
  Radijas* lietSkaicius_;
  Radijas* tikrinisLiet_;  // the same choice as tikrinisAngl_, on the Lithuanian side
  QComboBox* linksniuote_;
  std::vector<QLineEdit*> pavyzdziai_;
};

class BudvardzioPuslapis final : public IrasoPuslapis {
 public:
  explicit BudvardzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(BudvardzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return paprasta_; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  void Atnaujinti() override;

 private:
  QLineEdit* paprasta_;
  QCheckBox* moreMost_;
  QLineEdit* aukstesnysis_;
  QLineEdit* auksciausiasis_;
  QLineEdit* kamienas_;
  QComboBox* vyrLinksniuote_;
  QComboBox* motLinksniuote_;
  std::vector<QLineEdit*> pavyzdziai_;
};

class VeiksmazodzioPuslapis final : public IrasoPuslapis {
 public:
  explicit VeiksmazodzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(VeiksmazodzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return bendratis_; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  void Atnaujinti() override;

 private:
  void BendratisPakeista();
  void PildytiButasiasFormas();

  QLineEdit* bendratis_;
  QLineEdit* treciasisAsmuo_;
  QCheckBox* taisyklingas_;
  QLineEdit* antraForma_;
  QLineEdit* treciaForma_;
  QLineEdit* ingForma_;
  QLineEdit* kamienas_;
  QComboBox* bendratiesGalune_;
  QComboBox* klausimas_;
  QComboBox* kategorija_;
  QLineEdit* esamasKamienas_;
  QComboBox* esamojoKlase_;
  QLineEdit* butasKamienas_;
  QComboBox* butojoKlase_;
  QLineEdit* busimasKamienas_;
  QComboBox* busimojoKlase_;
  std::vector<QLineEdit*> pavyzdziai_;
};

class IvardzioPuslapis final : public IrasoPuslapis {
 public:
  explicit IvardzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(IvardzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return angliskas_; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  void Atnaujinti() override;

 private:
  QLineEdit* angliskas_;
  QLineEdit* kamienas_;
  QComboBox* rusis_;
  QCheckBox* linksniuojamas_;
  QComboBox* linksniuote_;
  std::vector<QLineEdit*> pavyzdziai_;
};

class SkaitvardzioPuslapis final : public IrasoPuslapis {
 public:
  explicit SkaitvardzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(SkaitvardzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return nullptr; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  void Atnaujinti() override;

 private:
  Radijas* tipas_;
  QLineEdit* vienaskaita_;
  QLineEdit* daugiskaita_;
  QLineEdit* skaitmenys_;
  QLineEdit* kamienas_;
  QComboBox* klausimas_;
  QCheckBox* kaitomas_;
  QComboBox* kiekinioLinksniuote_;
  QComboBox* kelintinioLinksniuote_;
  std::vector<QLineEdit*> pavyzdziai_;
};

class KitoZodzioPuslapis final : public IrasoPuslapis {
 public:
  explicit KitoZodzioPuslapis(QWidget* tevas = nullptr);
  IrasoLaukai Laukai() const override;
  void Valyti() override { Rodyti(KitoZodzioLaukai{}); }
  QLineEdit* AnglZodzioLaukas() const override { return angliskas_; }

 protected:
  void Irasyti(const IrasoLaukai& laukai) override;
  // Nothing on this page depends on another control.
  void Atnaujinti() override {}

 private:
  QComboBox* kalbosDalis_;
  QComboBox* klausimas_;
  QLineEdit* angliskas_;
  QLineEdit* lietuviskas_;
};

}  // namespace kervosta
