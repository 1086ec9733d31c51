// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Table des taux en mémoire et son chargeur.

#include <QDateTime>
#include <QString>

#include <array>

namespace taux {

constexpr int capacite = 101;

struct TableTaux
{
    QString fichiertaux;                    // chemin complet du fichier des taux
    QDateTime datefichiertaux;              // date de modification au dernier chargement
    std::array<QString, capacite> periodes; // clés « 1S2010 », dans l'ordre du fichier
    std::array<double, capacite> taux{};    // taux annuels en pour cent
    qint16 nbtaux = -1;                     // indice de la dernière entrée valide
};

enum class Chargement { Ok, Introuvable, Corrompu };

// Premier élément refusé par la lecture des entrées : sa nature et sa position dans le contenu.
struct Faute
{
    enum Nature { Aucune, Guillemet, SansTabulation, Capacite, TauxIllisible };
    Nature nature = Aucune;
    qsizetype debut = 0;
};

// Vrai quand le fichier existe et se lit comme un fichier (un fichier vide existe).
bool fichierexiste(const QString &chemin);

// Date de modification du fichier ; invalide quand elle ne se lit pas.
QDateTime datefichier(const QString &chemin);

// Remplit la table depuis table.fichiertaux. Les entrées au-delà de nbtaux
// gardent leur ancien contenu.
Chargement chargetaux(TableTaux &table);

// Contenu du fichier des taux : Introuvable s'il ne s'ouvre pas, Corrompu s'il ne se lit pas.
Chargement litfichier(const QString &chemin, QByteArray &contenu);

// Lit les entrées d'un contenu de fichier des taux déjà en mémoire (même lecture que
// chargetaux, sans toucher au fichier ni à sa date). Sur un refus, faute (s'il est donné)
// désigne l'élément fautif.
Chargement lisentrees(TableTaux &table, const QByteArray &contenu, Faute *faute = nullptr);

} // namespace taux
