// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "tests/serveuressai.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

ServeurEssai::ServeurEssai(QList<Envoi> envois) : serveur_(new QTcpServer(this)), envois_(std::move(envois))
{
    serveur_->listen(QHostAddress::LocalHost, 0);
    connect(serveur_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = serveur_->nextPendingConnection()) {
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            // Émise avant que la fermeture ne vide le tampon d'écriture.
            connect(s, &QTcpSocket::errorOccurred, this, [this, s] {
                if (s->bytesToWrite() > 0)
                    ++abandons;
            });
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                // Une requête par connexion : ce qui arrive sur une connexion qui se ferme est ignoré
                // (le client la renvoie sur une autre).
                if (s->property("repondu").toBool() || !s->peek(1 << 16).contains("\r\n\r\n"))
                    return;
                s->setProperty("repondu", true);
                const QByteArray requete = s->readAll();
                recues << requete;
                // Chaîne de redirections : « /r3 » renvoie vers « /r2 »... ; « /r0 » prend la liste. En
                // proxy, la ligne de requête porte l'adresse entière : seul son chemin compte.
                const QByteArray chemin = QUrl::fromEncoded(requete.split(' ').value(1)).path().toUtf8();
                if (chemin.startsWith("/r") && chemin.mid(2).toInt() > 0) {
                    s->write("HTTP/1.1 302 Found\r\nLocation: /r" + QByteArray::number(chemin.mid(2).toInt() - 1) +
                             "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                    s->disconnectFromHost();
                    return;
                }
                const Envoi e = envois_.at(qMin<qsizetype>(requetes, envois_.size() - 1));
                ++requetes;
                if (avantreponse)
                    avantreponse();
                if (e.fin == Muet)
                    return;
                s->write(e.octets);
                s->flush();
                if (e.fin == Flot) {
                    auto *minuterie = new QTimer(s);
                    connect(minuterie, &QTimer::timeout, s, [s] {
                        if (s->bytesToWrite() < (1 << 16))
                            s->write(QByteArray("X-Suite: 0\r\n").repeated(256));
                    });
                    minuterie->start(10); // un flot continu que le fil HTTP suit, même sous ASan
                    return;
                }
                if (e.fin == Coupe)
                    s->abort();
                else
                    s->disconnectFromHost();
            });
        }
    });
}

ServeurEssai::~ServeurEssai() = default;

QString ServeurEssai::adresse(const QString &chemin) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serveur_->serverPort()).arg(chemin);
}

ServeurEssai::Envoi ServeurEssai::reponse(const QByteArray &corps, int statut, const QByteArray &entetes)
{
    return {"HTTP/1.1 " + QByteArray::number(statut) + " X\r\n" + entetes +
                "Content-Length: " + QByteArray::number(corps.size()) + "\r\nConnection: close\r\n\r\n" + corps,
            Ferme};
}
