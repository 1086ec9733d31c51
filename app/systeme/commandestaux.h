// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Commandes des taux sans fenêtre : --taux, --tmop, --retire, --liste-taux. Même fichier et
// mêmes règles que la fenêtre des taux (config/saisietaux.h). Une ligne sur la sortie standard
// pour ce qui est fait ; refus et échecs sur la sortie d'erreur.

#include <QString>

namespace config {
struct Emplacements;
}

namespace commande {

enum Statut { Fait = 0, EchecEcriture = 1, MauvaiseEntree = 2 };

// valeur : le texte de l'option (« 2S2024=4,85 », « 2S2024 ») ; source : celui de --source.
Statut taux(const config::Emplacements &e, const QString &valeur, const QString &source);
Statut tmop(const config::Emplacements &e, const QString &valeur, const QString &source);
Statut retire(const config::Emplacements &e, const QString &valeur);
Statut listetaux(const config::Emplacements &e);

// Message sur la sortie d'erreur, précédé de « Brunelix : ».
void erreur(const QString &texte);

} // namespace commande
