// Fetches a web page for the main window on the user-interface thread and tells, in the status
// line's words, what is happening: connected, how much arrived, found, not found, failed.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace kervosta {

class PuslapioGavejas : public QObject {
  Q_OBJECT
 public:
  static constexpr qint64 DidziausiasDydis = 20 * 1024 * 1024;

  explicit PuslapioGavejas(QObject* tevas = nullptr);
  // A request still running is abandoned for the new one.
  void Gauti(const QUrl& adresas);
  // How long a silent connection may stay silent.
  void NustatytiLaukima(int milisekundes) { laukimas_ = milisekundes; }

 signals:
  void Busena(const QString& tekstas);
  // The connection could not be made; the window says so in a message box.
  void NepavykoPrisijungti();
  void Gauta(const QByteArray& kunas, const QString& turinioTipas);

 private:
  void Baigta(QNetworkReply* atsakymas);

  QNetworkAccessManager* tinklas_;
  QNetworkReply* dabartinis_ = nullptr;
  int laukimas_ = 30000;
};

}  // namespace kervosta
