// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/telechargement.h"

#include "update/acceptation.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

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
    // Toujours le réseau : Qt envoie alors lui-même « Cache-Control: no-cache » et « Pragma: no-cache ».
    r.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    r.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    r.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    r.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    r.setMaximumRedirectsAllowed(redirectionsmax);
    return r;
}

} // namespace

Reponse telecharge(const QString &adresse, std::chrono::milliseconds delai)
{
    Reponse r;
    const QUrl url(adresse.trimmed()); // blancs autour d'une adresse enregistrée : sans effet
    if (!schemapermis(url))
        return r;

    // Échéance dure, posée avant la requête : à son terme la boucle s'arrête, quoi que
    // le serveur envoie encore, et la réponse inachevée est un échec.
    QEventLoop boucle;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    minuterie.setTimerType(Qt::PreciseTimer);
    minuterie.start(delai);
    // Proxy du système (variables http_proxy, https_proxy, no_proxy, réglages du bureau) ; une
    // adresse locale va toujours en direct.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    auto gestionnaire = std::make_unique<QNetworkAccessManager>();
    // Suivies par Qt (jamais de https vers http) ; la politique « vérifiée par l'utilisateur » de
    // Qt 6.4 renvoie une requête de plus à chaque redirection d'une chaîne et finit sans erreur.
    gestionnaire->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> garde(gestionnaire->get(requete(url)));
    QNetworkReply *reponse = garde.get();

    QByteArray corps;
    bool refuse = false;
    bool expire = false;
    QObject::connect(&minuterie, &QTimer::timeout, reponse, [&] {
        expire = true;
        reponse->abort();
        boucle.quit();
    });
    // Qt ne suit que http et https, jamais de https vers http ; les redirections sont comptées ici
    // aussi (Qt 6.4 en laisse passer une de trop).
    int redirections = 0;
    QObject::connect(reponse, &QNetworkReply::redirected, reponse, [&] {
        if (++redirections > redirectionsmax) {
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
    // Réponse finie : l'échéance s'arrête, même quand la boucle ne reprend la main qu'après celle
    // d'une fenêtre modale ouverte pendant le transfert.
    QObject::connect(reponse, &QNetworkReply::finished, &boucle, [&] {
        minuterie.stop();
        boucle.quit();
    });
    if (!reponse->isFinished())
        boucle.exec();
    minuterie.stop();
    // Boucle arrêtée de l'extérieur : le programme finit pendant le transfert.
    const bool interrompu = !reponse->isFinished();
    if (interrompu)
        reponse->abort();

    if (reponse->isOpen())
        corps += reponse->readAll();
    // Détruit maintenant, un gestionnaire dont le fil HTTP est encore occupé (flot
    // d'en-têtes) bloquerait jusqu'à 5 s : il vit alors jusqu'à la fin de l'application.
    if ((expire || interrompu) && QCoreApplication::instance())
        gestionnaire.release()->setParent(QCoreApplication::instance());
    if (expire || interrompu || refuse || reponse->error() != QNetworkReply::NoError || corps.size() > taillemaxcorps) {
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
