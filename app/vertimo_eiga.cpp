#include "app/vertimo_eiga.h"

namespace kervosta {

namespace {
// English bytes per part: a few hundredths of a second of translation, so the window answers
// promptly, yet parts big enough that filling the editor costs little.
constexpr std::size_t DaliesDydis = 16 * 1024;
}  // namespace

VertimoEiga::VertimoEiga(Aplinka& aplinka, const QTextDocument& anglu, QTextDocument& lietuviu,
                         QObject* tevas)
    : QObject(tevas), aplinka_(aplinka), anglu_(anglu), lietuviu_(lietuviu), vertimas_(aplinka) {
  kitaDalis_.setSingleShot(true);
  kitaDalis_.setInterval(0);
  connect(&kitaDalis_, &QTimer::timeout, this, &VertimoEiga::VerstiDali);
}

void VertimoEiga::Pradeti() {
  vyksta_ = true;
  VerstiDali();
}

void VertimoEiga::Stabdyti() {
  if (!vyksta_) return;
  kitaDalis_.stop();
  Baigti(Pabaiga::Sustabdyta);
}

void VertimoEiga::VerstiDali() {
  const int visos = anglu_.EiluciuSk();
  const bool atsaukta = !VerstiDaliesEilutes(visos);
  lietuviu_.Irasyti();
  if (atsaukta || atlikta_ == visos) {
    Baigti(atsaukta ? Pabaiga::Atsaukta : Pabaiga::Baigta);
    return;
  }
  // Armed before the signal, so that a stop from its receiver holds.
  kitaDalis_.start();
  emit Pazanga(atlikta_, visos);
}

bool VertimoEiga::VerstiDaliesEilutes(int visos) {
  // The part's questions pass through the run, which first shows the lines done before them.
  klausejas_ = aplinka_.Klausejas;
  struct Grazinti {
    Aplinka& aplinka;
    KoregavimoKlausejas* klausejas;
    ~Grazinti() { aplinka.Klausejas = klausejas; }
  } const grazinti{aplinka_, klausejas_};
  if (klausejas_) aplinka_.Klausejas = this;
  try {
    std::size_t isversta = 0;
    while (atlikta_ < visos && isversta < DaliesDydis) {
      const std::string eilute = anglu_.Eilute(atlikta_);
      lietuviu_.PridetiEilute(vertimas_.Versti(eilute));
      isversta += eilute.size() + 1;
      ++atlikta_;
    }
    std::string likutis;
    if (atlikta_ == visos && vertimas_.Baigti(likutis)) lietuviu_.PridetiEilute(likutis);
  } catch (const VertimasAtsauktas&) {
    return false;
  }
  return true;
}

void VertimoEiga::Baigti(Pabaiga kaip) {
  vyksta_ = false;
  emit Baigta(kaip);
}

int VertimoEiga::Klausti(std::uint8_t rezimas, const std::string& sakinioTekstas,
                         const std::string& zodis, int numatytas, Aplinka& aplinka) {
  lietuviu_.Irasyti();
  return klausejas_->Klausti(rezimas, sakinioTekstas, zodis, numatytas, aplinka);
}

}  // namespace kervosta
