// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/telechargement.h"

#include "update/acceptation.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace maj {

namespace {

constexpr int redirectionsmax = 5;

bool schemapermis(const QUrl &url)
{
    const QString s = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (s == QStringLiteral("http") || s == QStringLiteral("https"));
}

QNetworkRequest requete(const QUrl &url)
{
    QNetworkRequest r(url);
    r.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla"));
    r.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    r.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    r.setRawHeader("Cache-Control", "no-cache");
    r.setRawHeader("Pragma", "no-cache");
    r.setMaximumRedirectsAllowed(redirectionsmax);
    return r;
}

} // namespace

Reponse telecharge(const QString &adresse, std::chrono::milliseconds delai)
{
    Reponse r;
    const QUrl url(adresse);
    if (!schemapermis(url))
        return r;

    QNetworkAccessManager gestionnaire;
    gestionnaire.setProxy(QNetworkProxy::NoProxy);
    gestionnaire.setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
    QNetworkReply *reponse = gestionnaire.get(requete(url));

    QByteArray corps;
    bool refuse = false;
    QEventLoop boucle;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    QObject::connect(&minuterie, &QTimer::timeout, reponse, &QNetworkReply::abort);
    QObject::connect(reponse, &QNetworkReply::redirected, reponse, [&](const QUrl &vers) {
        if (schemapermis(reponse->url().resolved(vers))) {
            Q_EMIT reponse->redirectAllowed();
        } else {
            refuse = true;
            reponse->abort();
        }
    });
    QObject::connect(reponse, &QNetworkReply::readyRead, reponse, [&] {
        corps += reponse->readAll();
        if (corps.size() > taillemaxcorps) {
            refuse = true;
            reponse->abort();
        }
    });
    QObject::connect(reponse, &QNetworkReply::finished, &boucle, &QEventLoop::quit);
    minuterie.start(delai);
    if (!reponse->isFinished())
        boucle.exec();
    minuterie.stop();

    corps += reponse->readAll();
    if (refuse || reponse->error() != QNetworkReply::NoError || corps.size() > taillemaxcorps) {
        // Une réponse d'erreur HTTP garde son statut ; son corps n'est jamais retenu.
        r.statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return r;
    }
    r.complete = true;
    r.statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    r.corps = corps;
    return r;
}

bool testconnexion()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation *info = QNetworkInformation::instance();
    return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

} // namespace maj
