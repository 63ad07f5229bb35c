// Exchange with the outside: a page fetched from a small local server and shown translated, and
// documents read from and written for the office suite.
#include <QComboBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextEdit>
#include <map>

#include "app/dokumentu_mainai.h"
#include "app/puslapio_gavejas.h"
#include "tests/ui/ui_pagalba.h"

using namespace kervosta;
using namespace kervosta::testai;
using namespace Qt::StringLiterals;

namespace {

// Answers each request with the reply kept for its path; "/tyla" is never answered.
class Serveris : public QTcpServer {
 public:
  explicit Serveris(std::map<QByteArray, QByteArray> atsakymai) : atsakymai_(std::move(atsakymai)) {
    connect(this, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* klientas = nextPendingConnection()) {
        connect(klientas, &QTcpSocket::readyRead, klientas, [this, klientas] {
          const QByteArray uzklausa = klientas->readAll();
          const QByteArray kelias = uzklausa.split(' ').value(1);
          if (kelias == "/tyla") return;
          const auto rasta = atsakymai_.find(kelias);
          klientas->write(rasta != atsakymai_.end() ? rasta->second
                                                    : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
          klientas->disconnectFromHost();
        });
      }
    });
    if (!listen(QHostAddress::LocalHost)) qFatal("cannot listen on 127.0.0.1");
  }
  QString Adresas(const char* kelias) const {
    return u"http://127.0.0.1:%1%2"_s.arg(serverPort()).arg(QString::fromLatin1(kelias));
  }

 private:
  std::map<QByteArray, QByteArray> atsakymai_;
};

const std::map<QByteArray, QByteArray> Puslapiai = {
    {"/", "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=windows-1257\r\nContent-Length: 21\r\n\r\n"
          "<p>\xC0\xFEuolas</p><!---->"},
    {"/senas", "HTTP/1.1 301 Moved\r\nLocation: /\r\nContent-Length: 0\r\n\r\n"},
};

// Whether the office suite is here to convert documents.
bool YraBiuroPrograma() { return !QStandardPaths::findExecutable(u"soffice"_s).isEmpty(); }

}  // namespace

class MainaiTest : public QObject {
  Q_OBJECT
 private slots:
  void gavejasPraneaKasVyksta() {
    Serveris serveris(Puslapiai);
    PuslapioGavejas gavejas;
    gavejas.NustatytiLaukima(500);
    QSignalSpy busenos(&gavejas, &PuslapioGavejas::Busena);
    QSignalSpy gauta(&gavejas, &PuslapioGavejas::Gauta);
    QSignalSpy neprisijungta(&gavejas, &PuslapioGavejas::NepavykoPrisijungti);
    const auto paskutine = [&] { return busenos.last().first().toString(); };

    gavejas.Gauti(QUrl(serveris.Adresas("/senas")));
    QTRY_COMPARE(gauta.size(), 1);
    QCOMPARE(gauta.first().first().toByteArray(), "<p>\xC0\xFEuolas</p><!---->");
    QCOMPARE(gauta.first().at(1).toString(), u"text/html; charset=windows-1257"_s);
    QCOMPARE(paskutine(), u"Gauta sekmingai"_s);
    QVERIFY(busenos.contains(QVariantList{u"21 of 21 parsiusta"_s}));

    gavejas.Gauti(QUrl(serveris.Adresas("/nera")));
    QTRY_COMPARE(paskutine(), u"Dokumentas nerastas"_s);
    gavejas.Gauti(QUrl(serveris.Adresas("/tyla")));
    QTRY_COMPARE(paskutine(), u"Nepavyko gauti dokumento: serveris neatsako"_s);
    const quint16 uzdarytas = serveris.serverPort();
    serveris.close();
    gavejas.Gauti(QUrl(u"http://127.0.0.1:%1/"_s.arg(uzdarytas)));
    QTRY_COMPARE(neprisijungta.size(), 1);
    QCOMPARE(gauta.size(), 1);
  }

  void tinklapisAtveriamasIsverstas() {
    Serveris serveris(Puslapiai);
    RodomasLangas l;
    auto* adresas = l.Langas.findChild<QComboBox*>(u"WebAdr"_s);
    l.Komanda("VerstiTinklapi");
    QCOMPARE(l.Dialogai.Pranesimai,
             QStringList{u"Kervosta: Blogas adresas. Įveskite Internet prieigos adresą"_s});
    adresas->setEditText(serveris.Adresas("/"));
    l.Komanda("VerstiTinklapi");
    QTRY_COMPARE(l.Dialogai.Atverta.size(), 1);
    QCOMPARE(l.Dialogai.Atverta.first(), l.Katalogas.Kelias(u"temp.html"_s));
    // Unknown to the empty dictionary, the word stays, now in UTF-8 and capitalised.
    QCOMPARE(SkaitytiFaila(l.Dialogai.Atverta.first()), "<p>Ąžuolas</p><!---->");
    QCOMPARE(l.Langas.BusenosTekstas(), u"Gauta sekmingai"_s);
  }

  void dokumentaiIrAtgal() {
    if (!YraBiuroPrograma()) QSKIP("the office suite is not installed");
    LaikinasKatalogas katalogas;
    const QStringList pastraipos = {u"First paragraph."_s, u"Antra pastraipa: ąžuolas."_s, QString(),
                                    u"Third."_s};
    const NaujasDokumentas naujas = EksportuotiDokumenta(pastraipos.join(u'\n'), katalogas.Kelias(u"out"_s));
    QVERIFY2(naujas.Klaida.isEmpty(), qPrintable(naujas.Klaida));
    QVERIFY(naujas.Kelias.endsWith(u".odt"_s));
    QCOMPARE(ImportuotiDokumenta(naujas.Kelias).Pastraipos, pastraipos);
    // A second export of the same second never replaces the first.
    const NaujasDokumentas kitas = EksportuotiDokumenta(u"x"_s, katalogas.Kelias(u"out"_s));
    QVERIFY(kitas.Kelias != naujas.Kelias && QFile::exists(naujas.Kelias));

    // The window: the paragraphs of a document become the English lines, whichever editor is
    // active, and a document that cannot be read leaves the text alone.
    RodomasLangas l;
    l.Langas.LietuviuRedaktorius()->setPlainText(u"lieka"_s);
    l.Langas.LietuviuRedaktorius()->setFocus();
    l.Anglai()->setPlainText(u"old text"_s);
    l.Dialogai.Dokumentas = naujas.Kelias;
    l.Komanda("ImportuotiWord");
    QCOMPARE(l.Anglu(), pastraipos.join(u'\n'));
    QCOMPARE(l.Langas.LietuviuRedaktorius()->toPlainText(), u"lieka"_s);
    l.Anglai()->undo();
    QCOMPARE(l.Anglu(), u"old text"_s);

    l.Dialogai.Dokumentas = l.Katalogas.Kelias(u"missing.docx"_s);
    l.Komanda("ImportuotiWord");
    QCOMPARE(l.Dialogai.Klaidos.size(), 1);
    QCOMPARE(l.Anglu(), u"old text"_s);

    l.Langas.LietuviuRedaktorius()->setFocus();
    l.Komanda("EksportuotiWord");
    QCOMPARE(l.Dialogai.Atverta.size(), 1);
    QVERIFY(l.Dialogai.Atverta.first().startsWith(l.Katalogas.Kelias(u"Eksportas/"_s)));
    QCOMPARE(ImportuotiDokumenta(l.Dialogai.Atverta.first()).Pastraipos, QStringList{u"lieka"_s});
  }

  void beBiuroProgramos() {
    LaikinasKatalogas katalogas;
    RasytiFaila(katalogas.Kelias(u"a.odt"_s), "x");
    const QByteArray kelias = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const DokumentoPastraipos dokumentas = ImportuotiDokumenta(katalogas.Kelias(u"a.odt"_s));
    qputenv("PATH", kelias);
    QVERIFY(dokumentas.Klaida.startsWith(u"Nerasta LibreOffice"_s));
    QVERIFY(dokumentas.Pastraipos.isEmpty());
  }
};

QTEST_MAIN(MainaiTest)
#include "mainai_test.moc"
