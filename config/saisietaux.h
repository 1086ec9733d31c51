// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Enregistrement d'une saisie de taux, partagé par la fenêtre et la ligne de commande :
// lecture du fichier en usage, saisie appliquée (rates/saisie.h), écriture entière par le
// point d'écriture unique dans le fichier qu'écrit le programme (Emplacements::ecriture).

#include "rates/saisie.h"

#include <QString>

namespace config {

struct Emplacements;

struct Enregistrement
{
    enum Etat {
        Ecrit,    // fichier remplacé : l'appelant recharge la table depuis fichier
        Inchange, // le semestre avait déjà ce taux : rien d'écrit
        Refuse,   // saisie refusée : rien d'écrit
        Echec,    // lecture ou écriture ratée : rien de changé
    };
    Etat etat = Echec;
    QString message; // une ligne en français
    QString fichier; // fichier écrit (ou qui l'aurait été)
};

// enusage : le fichier des taux lu en ce moment (table.fichiertaux). Quand il n'est pas
// e.ecriture (mode installé sans copie, ou copie plus ancienne que le fichier livré), une
// copie existante est d'abord gardée sous un nom de sauvegarde, et la saisie s'applique au
// contenu du fichier en usage, écrit à e.ecriture. Le fichier en usage n'est jamais touché.
Enregistrement enregistresaisie(const Emplacements &e, const QString &enusage, const taux::Saisie &saisie,
                                const QDate &aujourdhui);

} // namespace config
