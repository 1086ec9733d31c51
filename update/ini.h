// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Lecture et écriture d'une valeur d'un fichier INI, comme les fonctions de profil :
// valeurs brutes (sans guillemets), « CLE=valeur », le reste du fichier gardé.

#include <QString>

namespace maj {

// Valeur de la clé, coupée à 999 caractères ; texte vide quand le fichier,
// la section ou la clé manque.
QString lireini(const QString &section, const QString &cle, const QString &chemin);

// Écrit la valeur en créant fichier, section et clé au besoin. Un échec ne dit rien.
void ecrireini(const QString &section, const QString &cle, const QString &valeur, const QString &chemin);

} // namespace maj
