#include "app/puslapio_gavejas.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kervosta {

PuslapioGavejas::PuslapioGavejas(QObject* tevas)
    : QObject(tevas), tinklas_(new QNetworkAccessManager(this)) {}

void PuslapioGavejas::Gauti(const QUrl& adresas) {
  if (dabartinis_) {
    dabartinis_->disconnect(this);
    dabartinis_->abort();
    dabartinis_->deleteLater();
  }
  QNetworkRequest uzklausa(adresas);
  uzklausa.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                        QNetworkRequest::NoLessSafeRedirectPolicy);
  uzklausa.setTransferTimeout(laukimas_);
  uzklausa.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kervosta"));
  QNetworkReply* atsakymas = tinklas_->get(uzklausa);
  dabartinis_ = atsakymas;
  connect(atsakymas, &QNetworkReply::metaDataChanged, this,
          [this] { emit Busena(QStringLiteral("Connected")); });
  connect(atsakymas, &QNetworkReply::downloadProgress, this,
          [this, atsakymas](qint64 gauta, qint64 is) {
            if (gauta > DidziausiasDydis || is > DidziausiasDydis) {
              atsakymas->setProperty("perDidelis", true);
              atsakymas->abort();
              return;
            }
            emit Busena(QStringLiteral("%1 of %2 parsiusta").arg(gauta).arg(is < 0 ? gauta : is));
          });
  connect(atsakymas, &QNetworkReply::finished, this, [this, atsakymas] { Baigta(atsakymas); });
}

void PuslapioGavejas::Baigta(QNetworkReply* atsakymas) {
  atsakymas->deleteLater();
  if (atsakymas == dabartinis_) dabartinis_ = nullptr;
  const int kodas = atsakymas->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  switch (atsakymas->error()) {
    case QNetworkReply::NoError:
      emit Busena(QStringLiteral("Gauta sekmingai"));
      emit Gauta(atsakymas->readAll(), atsakymas->header(QNetworkRequest::ContentTypeHeader).toString());
      return;
    case QNetworkReply::HostNotFoundError:
      emit Busena(QStringLiteral("Blogas adresas"));
      return;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
      emit Busena(QStringLiteral("Nepavyko gauti dokumento"));
      emit NepavykoPrisijungti();
      return;
    default:
      break;
  }
  if (atsakymas->property("perDidelis").toBool())
    emit Busena(QStringLiteral("Nepavyko gauti dokumento: puslapis didesnis nei 20 MB"));
  else if (kodas == 404)
    emit Busena(QStringLiteral("Dokumentas nerastas"));
  else if (atsakymas->error() == QNetworkReply::OperationCanceledError)
    emit Busena(QStringLiteral("Nepavyko gauti dokumento: serveris neatsako"));
  else if (kodas != 0)
    emit Busena(QStringLiteral("Nepavyko gauti dokumento: %1 %2")
                    .arg(kodas)
                    .arg(atsakymas->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
  else
    emit Busena(QStringLiteral("Nepavyko gauti dokumento"));
}

}  // namespace kervosta
