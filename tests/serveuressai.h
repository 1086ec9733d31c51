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

class QTcpServer;
class QTcpSocket;

class ServeurEssai : public QObject
{
  public:
    // Fermeture normale, rien envoyé, coupure après envoi, lignes d'en-tête envoyées sans fin,
    // corps de taillelong octets envoyé à la suite des en-têtes.
    enum Fin { Ferme, Muet, Coupe, Flot, Long };
    static constexpr qint64 taillelong = 64 * 1024 * 1024;
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
    int abandons = 0;         // corps longs dont le client a fermé la connexion avant la fin

    // Réponse 200 (ou autre statut, avec d'autres lignes d'en-tête) portant ce corps.
    static Envoi reponse(const QByteArray &corps, int statut = 200, const QByteArray &entetes = {});

  private:
    void envoielong(QTcpSocket *s);

    QTcpServer *serveur_;
    QList<Envoi> envois_;
};
