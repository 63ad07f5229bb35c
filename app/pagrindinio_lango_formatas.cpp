// Formatting of the active editor and the toolbar that follows its caret.
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

#include "app/ikonos.h"
#include "app/pagrindinis_langas.h"

namespace kervosta {

void TForm1::KeistiFormata(const QTextCharFormat& formatas) {
  if (atnaujinama_) return;
  // Applies to the selection, or with none to the text typed next at the caret.
  Aktyvus()->mergeCurrentCharFormat(formatas);
}

void TForm1::Pusjuodis(bool ijungtas) {
  QTextCharFormat formatas;
  formatas.setFontWeight(ijungtas ? QFont::Bold : QFont::Normal);
  KeistiFormata(formatas);
}

void TForm1::Kursyvas(bool ijungtas) {
  QTextCharFormat formatas;
  formatas.setFontItalic(ijungtas);
  KeistiFormata(formatas);
}

void TForm1::Pabrauktas(bool ijungtas) {
  QTextCharFormat formatas;
  formatas.setFontUnderline(ijungtas);
  KeistiFormata(formatas);
}

void TForm1::Zenklinimas(bool ijungtas) {
  if (atnaujinama_) return;
  QTextCursor zymeklis = Aktyvus()->textCursor();
  zymeklis.beginEditBlock();
  if (ijungtas) {
    QTextListFormat sarasas;
    sarasas.setStyle(QTextListFormat::ListDisc);
    zymeklis.createList(sarasas);
  } else {
    // Each paragraph of the selection loses its bullet and keeps the rest of its own format.
    const QTextDocument* dokumentas = zymeklis.document();
    const QTextBlock paskutinis = dokumentas->findBlock(zymeklis.selectionEnd());
    for (QTextBlock blokas = dokumentas->findBlock(zymeklis.selectionStart()); blokas.isValid();
         blokas = blokas.next()) {
      if (QTextList* sarasas = blokas.textList()) {
        sarasas->remove(blokas);
        QTextBlockFormat pastraipa = blokas.blockFormat();
        pastraipa.setIndent(0);
        QTextCursor(blokas).setBlockFormat(pastraipa);
      }
      if (blokas == paskutinis) break;
    }
  }
  zymeklis.endEditBlock();
}

// Of the three grouped buttons, the one pressed aligns; the one released does nothing.
void TForm1::LygiuotiKairen(bool ijungtas) {
  if (ijungtas) Lygiuoti(Qt::AlignLeft);
}

void TForm1::LygiuotiCentre(bool ijungtas) {
  if (ijungtas) Lygiuoti(Qt::AlignHCenter);
}

void TForm1::LygiuotiDesinen(bool ijungtas) {
  if (ijungtas) Lygiuoti(Qt::AlignRight);
}

void TForm1::Lygiuoti(Qt::Alignment lygiavimas) {
  if (atnaujinama_) return;
  Aktyvus()->setAlignment(lygiavimas | Qt::AlignAbsolute);
}

void TForm1::PasikeitePazymejimas() {
  SuderintiIrankine();
  RasytiZymekli();
}

void TForm1::SuderintiIrankine() {
  if (!sriftoVardas_) return;
  atnaujinama_ = true;
  const QTextEdit* redaktorius = Aktyvus();
  const QTextCharFormat formatas = redaktorius->currentCharFormat();
  const QFont sriftas = formatas.font().resolve(redaktorius->document()->defaultFont());
  veiksmai_.Pusjuodis->setChecked(sriftas.bold());
  veiksmai_.Kursyvas->setChecked(sriftas.italic());
  veiksmai_.Pabrauktas->setChecked(sriftas.underline());
  veiksmai_.Zenklinimas->setChecked(redaktorius->textCursor().currentList() != nullptr);
  sriftoDydis_->setValue(qRound(sriftas.pointSizeF()));
  const QStringList seimos = formatas.fontFamilies().toStringList();
  sriftoVardas_->setCurrentIndex(sriftoVardas_->findText(seimos.isEmpty() ? sriftas.family() : seimos.first()));
  const Qt::Alignment lygiavimas = redaktorius->alignment() & Qt::AlignHorizontal_Mask;
  if (lygiavimas & Qt::AlignHCenter)
    veiksmai_.LygiuotiCentre->setChecked(true);
  else if (lygiavimas & (Qt::AlignRight | Qt::AlignTrailing))
    veiksmai_.LygiuotiDesinen->setChecked(true);
  else
    veiksmai_.LygiuotiKairen->setChecked(true);
  veiksmai_.Spalva->setIcon(SpalvosIkona(formatas.foreground().style() == Qt::NoBrush
                                             ? redaktorius->palette().color(QPalette::Text)
                                             : formatas.foreground().color()));
  atnaujinama_ = false;
}

void TForm1::RasytiZymekli() {
  const QTextCursor zymeklis = Aktyvus()->textCursor();
  RasytiBusena(QString::asprintf("Eilutė: %3d   Stulpelis: %3d", zymeklis.blockNumber() + 1,
                                 zymeklis.positionInBlock() + 1));
}

void TForm1::Spalva() {
  QTextEdit* redaktorius = Aktyvus();
  const QBrush dabartine = redaktorius->currentCharFormat().foreground();
  const auto spalva = dialogai_->PasirinktiSpalva(
      dabartine.style() == Qt::NoBrush ? redaktorius->palette().color(QPalette::Text) : dabartine.color());
  if (!spalva) return;
  QTextCharFormat formatas;
  formatas.setForeground(*spalva);
  KeistiFormata(formatas);
  PasikeitePazymejimas();
  redaktorius->setFocus();
}

void TForm1::Sriftas() {
  QTextEdit* redaktorius = Aktyvus();
  const auto sriftas = dialogai_->PasirinktiSrifta(
      redaktorius->currentCharFormat().font().resolve(redaktorius->document()->defaultFont()));
  if (!sriftas) return;
  QTextCharFormat formatas;
  formatas.setFont(*sriftas);
  KeistiFormata(formatas);
  PasikeitePazymejimas();
  redaktorius->setFocus();
}

}  // namespace kervosta
