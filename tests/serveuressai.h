// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Serveur HTTP des essais, sur 127.0.0.1 (port choisi par le système), jamais ailleurs.
// Chaque requête reçoit la réponse suivante de la liste (la dernière se répète), sauf le chemin
// « /rN » (N > 0), redirigé vers « /r(N-1) ». Il sert aussi de proxy : une requête qui porte
// l'adresse entière (« GET http://hote/chemin ») reçoit les mêmes réponses.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;

class ServeurEssai : public QObject
{
  public:
    // Fermeture normale, rien envoyé, coupure après envoi, lignes d'en-tête envoyées sans fin.
    enum Fin { Ferme, Muet, Coupe, Flot };
    struct Envoi
    {
        QByteArray octets;
        Fin fin = Ferme;
    };

    explicit ServeurEssai(QList<Envoi> envois);
    ~ServeurEssai() override;

    QString adresse(const QString &chemin = QStringLiteral("/BRUNELIX.TXT")) const;
    int requetes = 0;
    QList<QByteArray> recues; // en-têtes de chaque requête reçue
    int abandons = 0;         // connexions fermées par le client avant que tout soit envoyé
    // Appelé à chaque requête avant sa réponse : ce qu'un essai fait pendant un téléchargement.
    std::function<void()> avantreponse;

    // Réponse 200 (ou autre statut, avec d'autres lignes d'en-tête) portant ce corps.
    static Envoi reponse(const QByteArray &corps, int statut = 200, const QByteArray &entetes = {});

  private:
    QTcpServer *serveur_;
    QList<Envoi> envois_;
};
