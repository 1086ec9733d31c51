// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Mise à jour automatique au démarrage : échéance, connexion, téléchargement,
// remplacement entier du fichier des taux. Silencieuse quoi qu'il arrive.

#include <QDate>
#include <QString>

#include <chrono>
#include <functional>

namespace maj {

// Ce que la vérification demande au monde ; les tests fixent l'horloge, la
// connexion et le délai.
struct Dependances
{
    std::function<QDate()> aujourdhui;      // vide : la date locale du jour
    std::function<bool()> connexion;        // vide : testconnexion
    std::chrono::milliseconds delai{10000}; // délai total du téléchargement
    std::function<void(bool)> attente;      // sablier : vrai avant, faux après
};

struct Demande
{
    QString cle;          // clé de l'entrée 0 de la table
    QString adresse;      // texte de « ftp »
    bool checkconnection; // tester la connexion d'abord
    QString fichiertaux;  // fichier à remplacer
};

// Vrai quand le fichier des taux a été remplacé : l'appelant recharge alors la table.
// Le fichier n'est remplacé que par un corps accepté (acceptecorps, contre la clé en
// usage d.cle), d'un seul coup.
bool verifiemaj(const Demande &d, const Dependances &dep = {});

} // namespace maj
