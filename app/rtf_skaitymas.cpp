// The RTF reader: a single pass over the bytes with a stack of group states.
#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "app/rtf.h"
#include "core/cp1257.h"

namespace kervosta::rtf {

namespace {

// Groups deeper than this are still matched by their braces but carry no state of their own,
// so a hostile file cannot make the reader allocate without bound.
constexpr std::size_t kGiliausiaGrupe = 4096;

enum class Paskirtis { Tekstas, Sriftai, Spalvos, Praleisti, Sarasas };

struct Grupe {
  Paskirtis paskirtis = Paskirtis::Tekstas;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int sriftas = -1;
  int dydis = 0;  // half-points; 0: not given
  int spalva = 0;
  int uc = 1;
  bool zvaigzde = false;  // \* was just read: an unknown destination follows
};

struct PastraiposSavybes {
  Qt::Alignment lygiuote = Qt::AlignLeft;
  bool sarasas = false;
};

struct Sriftas {
  QString vardas;
  int koduote = 0;  // code page of the font's character set; 0: the document's
};

// Unicode of the bytes 0x80..0x9F in the Western code page; above them it equals Latin-1.
constexpr char16_t kVakaru80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar BaitasKodineje(unsigned char baitas, int koduote) {
  if (koduote == 1257) return QChar(static_cast<char16_t>(KodasBaito(baitas)));
  if (baitas >= 0x80 && baitas < 0xA0) return QChar(kVakaru80[baitas - 0x80]);
  return QChar(static_cast<char16_t>(baitas));
}

int KoduoteRinkiniui(int rinkinys) {
  switch (rinkinys) {
    case 0: return 1252;
    case 186: return 1257;
    default: return 0;
  }
}

bool DestinacijaPraleidziama(std::string_view zodis) {
  static const std::set<std::string_view> praleidziamos = {
      "info", "pict", "stylesheet", "header", "headerl", "headerr", "headerf", "footer",
      "footerl", "footerr", "footerf", "footnote", "annotation", "object", "fldinst",
      "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
      "colorschememapping", "latentstyles", "datastore", "pntext", "pntxta", "pntxtb",
      "filetbl", "revtbl", "atnid", "atnauthor", "listtext", "template", "userprops",
      "docvar", "xe", "tc", "nonshppict", "shp", "shpinst", "bkmkstart", "bkmkend",
      "private", "operator", "author", "title", "subject", "comment", "doccomm", "keywords"};
  return praleidziamos.count(zodis) > 0;
}

class Skaitytuvas {
 public:
  Skaitytuvas(const QByteArray& rtf, QTextDocument& dokumentas)
      : rtf_(rtf), dokumentas_(dokumentas), kursorius_(&dokumentas) {}

  void Vykdyti() {
    // A loaded document starts with nothing to undo, as plain text does. Inside one edit the
    // cursor does not lay its paragraph out again after every insertion, which made a paragraph
    // of many runs take time growing with the square of its length.
    const bool atsaukiama = dokumentas_.isUndoRedoEnabled();
    dokumentas_.setUndoRedoEnabled(false);
    dokumentas_.clear();
    kursorius_ = QTextCursor(&dokumentas_);
    kursorius_.beginEditBlock();
    grupes_.push_back(Grupe{});
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c == '{') AtidarytiGrupe();
      else if (c == '}') UzdarytiGrupe();
      else if (c == '\\') ValdymoZodis();
      else if (c == ';' && Lenteleje()) LentelesIrasoPabaiga();
      else if (c != '\r' && c != '\n') Baitas(static_cast<unsigned char>(c));
    }
    Isstumti();
    if (!laukiamaPastraipa_) BaigtiPastraipa();
    kursorius_.endEditBlock();
    dokumentas_.setUndoRedoEnabled(atsaukiama);
  }

 private:
  Grupe& Dabartine() { return grupes_.back(); }

  void AtidarytiGrupe() {
    Isstumti();
    praleistiSimboliu_ = 0;
    if (grupes_.size() >= kGiliausiaGrupe) ++pertekliniuGrupiu_;
    else grupes_.push_back(Dabartine());
    Dabartine().zvaigzde = false;
  }

  void UzdarytiGrupe() {
    Isstumti();
    praleistiSimboliu_ = 0;
    if (pertekliniuGrupiu_ > 0) --pertekliniuGrupiu_;
    else if (grupes_.size() > 1) grupes_.pop_back();
  }

  void ValdymoZodis() {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      Simbolis(c);
      return;
    }
    const qsizetype pradzia = pos_;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    const std::string_view zodis(rtf_.constData() + pradzia, static_cast<std::size_t>(pos_ - pradzia));
    bool turiParametra = false;
    long long parametras = 0;
    bool neigiamas = false;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
      neigiamas = true;
      ++pos_;
    }
    while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
      turiParametra = true;
      if (parametras < 1'000'000'000) parametras = parametras * 10 + (rtf_[pos_] - '0');
      ++pos_;
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    const int p = static_cast<int>(neigiamas ? -parametras : parametras);
    Zodis(zodis, turiParametra, p);
  }

  void Simbolis(char c) {
    switch (c) {
      case '\'': {
        const int baitas = Sesioliktainis();
        if (baitas >= 0) Baitas(static_cast<unsigned char>(baitas));
        break;
      }
      case '*': Dabartine().zvaigzde = true; break;
      case '~': Tekstas(QChar(0x00A0)); break;
      case '_': Tekstas(QChar(0x2011)); break;
      case '\r': case '\n': Pastraipa(); break;
      case '\\': case '{': case '}': Tekstas(QChar::fromLatin1(c)); break;
      default: break;  // \- (optional hyphen) and unknown symbols add nothing
    }
  }

  int Sesioliktainis() {
    int reiksme = 0;
    for (int i = 0; i < 2; ++i) {
      if (pos_ >= rtf_.size()) return -1;
      const char c = rtf_[pos_];
      int skaitmuo;
      if (c >= '0' && c <= '9') skaitmuo = c - '0';
      else if (c >= 'a' && c <= 'f') skaitmuo = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') skaitmuo = c - 'A' + 10;
      else return -1;
      ++pos_;
      reiksme = reiksme * 16 + skaitmuo;
    }
    return reiksme;
  }

  void Zodis(std::string_view zodis, bool turiParametra, int p) {
    Grupe& g = Dabartine();
    if (g.zvaigzde) {
      g.zvaigzde = false;
      if (zodis != "pn") {
        g.paskirtis = Paskirtis::Praleisti;
        return;
      }
    }
    if (zodis == "bin") {
      if (turiParametra && p > 0) pos_ = std::min<qsizetype>(rtf_.size(), pos_ + p);
      return;
    }
    if (g.paskirtis == Paskirtis::Praleisti) return;
    // A paragraph numbering group says whether its paragraph is a list item; its text is skipped.
    if (g.paskirtis == Paskirtis::Sarasas) {
      if (zodis == "pnlvlblt" || zodis == "pnlvlbody") pastraipa_.sarasas = true;
      return;
    }
    if (zodis == "pn") { g.paskirtis = Paskirtis::Sarasas; return; }
    if (zodis == "ls" && p > 0 && g.paskirtis == Paskirtis::Tekstas) {
      pastraipa_.sarasas = true;
      return;
    }
    if (zodis == "fonttbl") { g.paskirtis = Paskirtis::Sriftai; return; }
    if (zodis == "colortbl") { g.paskirtis = Paskirtis::Spalvos; return; }
    if (DestinacijaPraleidziama(zodis)) { g.paskirtis = Paskirtis::Praleisti; return; }
    if (zodis == "u" && turiParametra) {
      // A signed 16-bit number: characters from 32768 up come negative.
      Tekstas(QChar(static_cast<char16_t>(p < 0 ? p + 65536 : p)));
      praleistiSimboliu_ = g.uc;
      return;
    }
    if (zodis == "uc") { g.uc = std::clamp(p, 0, 16); return; }
    if (g.paskirtis == Paskirtis::Sriftai) { SriftoZodis(zodis, p); return; }
    if (g.paskirtis == Paskirtis::Spalvos) { SpalvosZodis(zodis, p); return; }
    Isstumti();
    FormatoZodis(zodis, turiParametra, p);
  }

  void FormatoZodis(std::string_view zodis, bool turiParametra, int p) {
    Grupe& g = Dabartine();
    const bool ijungta = !turiParametra || p != 0;
    if (zodis == "par" || zodis == "sect" || zodis == "page" || zodis == "row") Pastraipa();
    else if (zodis == "line") Tekstas(QChar(QChar::LineSeparator));
    else if (zodis == "tab" || zodis == "cell") Tekstas(QChar('\t'));
    else if (zodis == "emdash") Tekstas(QChar(0x2014));
    else if (zodis == "endash") Tekstas(QChar(0x2013));
    else if (zodis == "lquote") Tekstas(QChar(0x2018));
    else if (zodis == "rquote") Tekstas(QChar(0x2019));
    else if (zodis == "ldblquote") Tekstas(QChar(0x201C));
    else if (zodis == "rdblquote") Tekstas(QChar(0x201D));
    else if (zodis == "bullet") Tekstas(QChar(0x2022));
    else if (zodis == "b") g.bold = ijungta;
    else if (zodis == "i") g.italic = ijungta;
    else if (zodis == "ul") g.underline = ijungta;
    else if (zodis == "ulnone") g.underline = false;
    else if (zodis == "f") g.sriftas = p;
    else if (zodis == "fs") g.dydis = std::clamp(p, 0, 3276);
    else if (zodis == "cf") g.spalva = p;
    else if (zodis == "plain") {
      g.bold = g.italic = g.underline = false;
      g.sriftas = -1;
      g.dydis = 0;
      g.spalva = 0;
    } else if (zodis == "pard") pastraipa_ = PastraiposSavybes{};
    else if (zodis == "ql") pastraipa_.lygiuote = Qt::AlignLeft;
    else if (zodis == "qc") pastraipa_.lygiuote = Qt::AlignHCenter;
    else if (zodis == "qr") pastraipa_.lygiuote = Qt::AlignRight;
    else if (zodis == "qj") pastraipa_.lygiuote = Qt::AlignJustify;
    else if (zodis == "ansicpg" && p > 0) dokumentoKoduote_ = p;
  }

  void SriftoZodis(std::string_view zodis, int p) {
    if (zodis == "f") {
      sriftoNr_ = p;
      if (p >= 0) sriftai_[p] = Sriftas{};
    } else if (zodis == "fcharset" && sriftoNr_ >= 0) {
      sriftai_[sriftoNr_].koduote = KoduoteRinkiniui(p);
    }
  }

  void SpalvosZodis(std::string_view zodis, int p) {
    const int komponente = std::clamp(p, 0, 255);
    if (zodis == "red") spalva_.setRed(komponente);
    else if (zodis == "green") spalva_.setGreen(komponente);
    else if (zodis == "blue") spalva_.setBlue(komponente);
    else return;
    spalvaNurodyta_ = true;
  }

  bool Lenteleje() const {
    const Paskirtis paskirtis = grupes_.back().paskirtis;
    return paskirtis == Paskirtis::Sriftai || paskirtis == Paskirtis::Spalvos;
  }

  // Only a semicolon as such ends an entry; one written \'3b belongs to a font's name.
  void LentelesIrasoPabaiga() {
    if (Dabartine().paskirtis == Paskirtis::Sriftai) {
      sriftoNr_ = -1;
      return;
    }
    spalvos_.push_back(spalvaNurodyta_ ? spalva_ : QColor());
    spalva_ = QColor(0, 0, 0);
    spalvaNurodyta_ = false;
  }

  void Baitas(unsigned char baitas) {
    const Grupe& g = Dabartine();
    if (g.paskirtis == Paskirtis::Sriftai)
      Tekstas(BaitasKodineje(baitas, SriftoKoduote(sriftoNr_)));
    else if (g.paskirtis == Paskirtis::Tekstas)
      Tekstas(BaitasKodineje(baitas, SriftoKoduote(g.sriftas)));
  }

  // A font's character set says the code page of the text in it, its name included.
  int SriftoKoduote(int sriftoNr) const {
    const auto sriftas = sriftai_.find(sriftoNr);
    if (sriftas != sriftai_.end() && sriftas->second.koduote != 0) return sriftas->second.koduote;
    return dokumentoKoduote_;
  }

  // A character of the current destination: the document's text or a font's name.
  void Tekstas(QChar simbolis) {
    if (praleistiSimboliu_ > 0) {
      --praleistiSimboliu_;
      return;
    }
    const Paskirtis paskirtis = Dabartine().paskirtis;
    if (paskirtis == Paskirtis::Sriftai) {
      if (sriftoNr_ >= 0) sriftai_[sriftoNr_].vardas.append(simbolis);
    } else if (paskirtis == Paskirtis::Tekstas) {
      DokumentoSimbolis(simbolis);
    }
  }

  // Line ends (a carriage return and line feed together being one) and the paragraph separator
  // end a paragraph here as they would in the document; the two characters the document keeps
  // for its own frames cannot be text.
  void DokumentoSimbolis(QChar simbolis) {
    const bool poGrizimo = std::exchange(poGrizimo_, simbolis == u'\r');
    switch (simbolis.unicode()) {
      case u'\n':
        if (poGrizimo) return;
        [[fallthrough]];
      case u'\r': case QChar::ParagraphSeparator: Pastraipa(); return;
      case 0xFDD0: case 0xFDD1: simbolis = QChar::ReplacementCharacter; break;
      default: break;
    }
    if (buferis_.isEmpty()) buferioFormatas_ = Formatas();
    buferis_.append(simbolis);
  }

  QTextCharFormat Formatas() const {
    const Grupe& g = grupes_.back();
    QTextCharFormat f;
    f.setFontWeight(g.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(g.italic);
    f.setFontUnderline(g.underline);
    if (g.dydis > 0) f.setFontPointSize(g.dydis / 2.0);
    const auto sriftas = sriftai_.find(g.sriftas);
    if (sriftas != sriftai_.end() && !sriftas->second.vardas.trimmed().isEmpty())
      f.setFontFamilies({sriftas->second.vardas.trimmed()});
    if (g.spalva > 0 && static_cast<std::size_t>(g.spalva) < spalvos_.size() && spalvos_[g.spalva].isValid())
      f.setForeground(spalvos_[g.spalva]);
    return f;
  }

  void PradetiPastraipa() {
    if (!laukiamaPastraipa_) return;
    kursorius_.insertBlock();
    laukiamaPastraipa_ = false;
  }

  // Writes the collected text in the format it was collected in.
  void Isstumti() {
    if (buferis_.isEmpty()) return;
    PradetiPastraipa();
    kursorius_.insertText(buferis_, buferioFormatas_);
    buferis_.clear();
  }

  void Pastraipa() {
    Isstumti();
    PradetiPastraipa();
    BaigtiPastraipa();
    laukiamaPastraipa_ = true;
  }

  void BaigtiPastraipa() {
    QTextBlockFormat formatas = kursorius_.blockFormat();
    formatas.setAlignment(pastraipa_.lygiuote);
    kursorius_.setBlockFormat(formatas);
    const QTextBlock blokas = kursorius_.block();
    if (!pastraipa_.sarasas) {
      if (QTextList* sarasas = blokas.textList()) sarasas->remove(blokas);
      sarasas_ = nullptr;
      return;
    }
    if (sarasas_ && blokas.previous().isValid() && blokas.previous().textList() == sarasas_) sarasas_->add(blokas);
    else sarasas_ = kursorius_.createList(QTextListFormat::ListDisc);
  }

  const QByteArray& rtf_;
  QTextDocument& dokumentas_;
  QTextCursor kursorius_;
  qsizetype pos_ = 0;
  std::vector<Grupe> grupes_;
  std::size_t pertekliniuGrupiu_ = 0;
  int praleistiSimboliu_ = 0;
  int dokumentoKoduote_ = 1252;
  std::map<int, Sriftas> sriftai_;
  int sriftoNr_ = -1;
  std::vector<QColor> spalvos_;
  QColor spalva_{0, 0, 0};
  bool spalvaNurodyta_ = false;
  PastraiposSavybes pastraipa_;
  QTextList* sarasas_ = nullptr;
  bool laukiamaPastraipa_ = false;
  bool poGrizimo_ = false;  // the last character of the text was a carriage return
  QString buferis_;
  QTextCharFormat buferioFormatas_;
};

}  // namespace

bool ArRtf(const QByteArray& turinys) { return turinys.startsWith("{\\rtf"); }

void Skaityti(const QByteArray& rtf, QTextDocument& dokumentas) { Skaitytuvas(rtf, dokumentas).Vykdyti(); }

}  // namespace kervosta::rtf
