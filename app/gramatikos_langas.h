// The grammar window (TForm5): one English line analysed as a sentence, or one phrase looked up
// in the dictionaries, shown as a tree of words or of syntactic groups; selecting a word shows
// its features and its whole Lithuanian paradigm, selecting a group its type and role.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "translation/eilutes_analize.h"

class QPlainTextEdit;
class QTextEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kervosta {

struct ZodynoMazgas;

// Analysis modes (`AnalizesBudas`).
inline constexpr std::uint8_t abEilute = 0;  // a text line as one sentence
inline constexpr std::uint8_t abFraze = 1;   // a phrase as one dictionary word

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  // `analizesTekstas` is Windows-1257; the window analyses it at once in the mode given.
  TForm5(Aplinka& aplinka, const std::string& analizesTekstas, std::uint8_t analizesBudas,
         QWidget* tevas = nullptr);

  // Commands of the buttons.
  void AnalizuotiEilute();
  void AnalizuotiFraze();
  void RodytiZodzius();
  void RodytiGrupes();
  // Selects, after a phrase analysis, the first candidate found in the entry of `mazgas`.
  void PasirinktiIrasa(const ZodynoMazgas* mazgas);

 private:
  void SukurtiValdiklius();
  std::string Tekstas() const;
  void UzpildytiFraze();
  void UzpildytiSakini();
  void Pasirinkta(QTreeWidgetItem* mazgas);

  Aplinka& aplinka_;
  EilutesAnalize analize_;
  std::uint8_t budas_;
  std::string fraze_;
  bool grupes_ = false;  // the groups view is shown

  QPlainTextEdit* Memo1_ = nullptr;
  QTreeWidget* TreeView1_ = nullptr;
  QTextEdit* RichEdit1_ = nullptr;
  QToolButton* Zodziai_ = nullptr;
  QToolButton* Grupes_ = nullptr;
};

}  // namespace kervosta
