// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Téléchargement du fichier des taux et test de la connexion.

#include <QByteArray>
#include <QString>

#include <chrono>

namespace maj {

struct Reponse
{
    bool complete = false; // réponse reçue en entier, sans erreur de transfert
    int statut = 0;        // statut HTTP
    QByteArray corps;      // vide quand la réponse n'est pas complète
};

// Délai total d'un téléchargement (connexion et transfert).
constexpr std::chrono::milliseconds delaitelechargement{10000};

// GET de l'adresse (sans les blancs autour), attendu dans une boucle locale (les événements des fenêtres
// continuent) : agent « Mozilla », sans cache, par le proxy du système s'il y en a un ;
// http et https seulement, au plus 5 redirections vers http(s). Délai dépassé, erreur en
// cours de route (proxy compris) ou corps de plus de 1 Mio (abandonné dès qu'il dépasse) :
// réponse incomplète, sans corps. L'échéance est dure : la fonction rend la main au terme
// du délai, même sous un flot d'en-têtes ; une réponse finie avant lui n'expire jamais,
// même quand une fenêtre modale ouverte pendant le transfert reste ouverte au-delà.
Reponse telecharge(const QString &adresse, std::chrono::milliseconds delai = delaitelechargement);

// Faux seulement quand la plateforme dit explicitement « déconnecté ».
bool testconnexion();

} // namespace maj
