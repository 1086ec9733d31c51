// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Table des taux en mémoire et son chargeur.

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>

namespace taux {

constexpr int capacite = 101;

// Entrée saisie par l'utilisateur, lue sur le commentaire d'enregistrement juste au-dessus de
// sa ligne (rates/saisie.h). Date invalide : entrée livrée ou écrite à la main.
struct InfoSaisie
{
    QDate date;       // jour de la saisie
    QString tmop;     // TMOP utilisé, tel qu'écrit (« 3.23 ») ; vide si le taux est tapé
    QString remplace; // taux livré que la saisie corrige (« 5.06 ») ; vide pour un ajout
    QString source;   // vide quand il n'y en a pas

    bool saisi() const { return date.isValid(); }
};

struct TableTaux
{
    QString fichiertaux;                      // chemin complet du fichier des taux
    QDateTime datefichiertaux;                // date de modification au dernier chargement
    std::array<QString, capacite> periodes;   // clés « 1S2010 », dans l'ordre du fichier
    std::array<double, capacite> taux{};      // taux annuels en pour cent
    qint16 nbtaux = -1;                       // indice de la dernière entrée valide
    std::array<InfoSaisie, capacite> saisies; // enregistrement de chaque entrée, s'il y en a un
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
