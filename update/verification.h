// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Mise à jour automatique au démarrage : échéance, connexion, téléchargement,
// remplacement entier du fichier des taux. Silencieuse quoi qu'il arrive.

#include "rates/tabletaux.h"
#include "update/telechargement.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <functional>

namespace maj {

// Ce que la vérification demande au monde ; les tests fixent l'horloge, la
// connexion et le délai.
struct Dependances
{
    std::function<QDate()> aujourdhui; // vide : la date locale du jour
    std::function<bool()> connexion;   // vide : testconnexion
    std::chrono::milliseconds delai = delaitelechargement;
    std::function<void(bool)> attente; // sablier : vrai avant, faux après
};

struct Demande
{
    taux::TableTaux table; // table en usage ; clé de tête : l'entrée 0
    QString adresse;       // texte de « ftp »
    bool checkconnection;  // tester la connexion d'abord
    QString fichiertaux;   // fichier à remplacer
    QString parametres;    // Brunelix.ini, où noter le dernier refus (vide : nulle part)
};

// Vrai quand le fichier des taux a été remplacé : l'appelant recharge alors la table.
// Le fichier n'est remplacé que par un corps accepté (acceptecorps, contre la table en
// usage et la date du jour), d'un seul coup, et seulement si le fichier en usage et le
// fichier à remplacer sont encore ceux du début (même taille, même date) : une saisie
// enregistrée pendant le téléchargement l'emporte, le téléchargement est abandonné.
// Un corps refusé est noté (refus.h) ; un remplacement réussi efface le refus noté.
bool verifiemaj(const Demande &d, const Dependances &dep = {});

} // namespace maj
