// The dictionary entry editor (TForm4): one page a part of speech for composing a record, live
// example forms, and saving into the list that `VartotojoRezimas` selects.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "lexicon/zodynai.h"

class QPushButton;
class QTabWidget;

namespace kervosta {

class Dialogai;
class IrasoPuslapis;

// Editor modes (`RedagavimoRezimas`).
inline constexpr std::uint8_t redPapildyti = 0;  // add a new entry
inline constexpr std::uint8_t redKeisti = 1;     // change `keiciamas`

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  // Add mode puts `naujasZodis` (Windows-1257) into the English boxes; change mode loads the
  // record of `keiciamas`, a node of the list that `zodynai.VartotojoRezimas` selects. The
  // editor's questions and notices go through `dialogai`.
  TForm4(ZodynuRinkinys& zodynai, Dialogai& dialogai, std::uint8_t redagavimoRezimas,
         ZodynoMazgas* keiciamas, const std::string& naujasZodis, QWidget* tevas = nullptr);

  // Saves the active page's entry: refused with a notice while a field is wrong, stored only
  // after "Yes" when the list holds an analogous entry. The editor stays open.
  void BitBtn1Click();
  // "&Valyti laukus": every page back to its empty values.
  void Valyti();

  // Closing gives Accepted once an entry was saved, so the opener knows to refresh.
  void reject() override;

 private:
  void AtvertiNauja(const std::string& naujasZodis);
  void AtvertiKeiciama();
  QString AnalogoKlausimas() const;

  ZodynuRinkinys& zodynai_;
  Dialogai& dialogai_;
  ZodynoMazgas* keiciamas_;  // null in add mode
  bool issaugota_ = false;

  QTabWidget* PageControl1_;
  std::array<IrasoPuslapis*, 6> puslapiai_;  // in tab order, as IrasoLaukai
  QPushButton* BitBtn1_;
};

}  // namespace kervosta
