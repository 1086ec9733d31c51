// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Réglages de la mise à jour dans Brunelix.ini, section « FTP ».

#include <QString>

namespace config {

struct Parametres
{
    QString adresse;             // « ADRESS »
    bool checkconnection = true; // « CHECKCONNECTION »
    bool checkmaj = false;       // « CHECKMAJ »
};

// Adresse par défaut du fichier des taux.
QString adressedefaut();

// Chemin du fichier des réglages dans ce dossier : « /Brunelix.ini » ajouté.
QString cheminparametres(const QString &dossier);

// Lecture des trois clés ; adresse vide ou absente : l'adresse par défaut.
Parametres litparametres(const QString &chemin);

// Enregistrement d'un seul remplacement du fichier (clés manquantes ajoutées dans l'ordre
// ADRESS, CHECKCONNECTION, CHECKMAJ), le dossier créé au besoin ; le reste du fichier garde
// ses octets. Un échec ne dit rien.
void ecritparametres(const Parametres &p, const QString &chemin);

} // namespace config
