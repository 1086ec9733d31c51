// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Où se lisent et s'écrivent le fichier des taux et Brunelix.ini, fixé une fois au démarrage.
//  - Portable : le dossier du programme contient BRUNELIX.TXT ; tout est à côté du programme.
//  - Installé sinon : fichier livré dans <programme>/../share/brunelix/, puis dans les dossiers
//    de données XDG ; copie de l'utilisateur dans $XDG_DATA_HOME/brunelix/, lue quand son entrée
//    de tête n'est pas plus ancienne que celle du fichier livré, seule écrite ; réglages dans
//    $XDG_CONFIG_HOME/brunelix/.
// Dans les deux modes, un BRUNELIX.TXT du dossier de la ligne de commande est lu et écrit.

#include <QString>

#include <functional>

namespace maj {

struct Emplacements
{
    bool portable = true;
    QString taux;       // fichier des taux lu au chargement
    QString ecriture;   // fichier qu'écrivent les mises à jour (la copie de l'utilisateur en mode installé)
    QString parametres; // Brunelix.ini
};

// lignecommande : telle que reçue (vide : aucun dossier) ; dossierprogramme :
// QCoreApplication::applicationDirPath().
Emplacements emplacements(const QString &lignecommande, const QString &dossierprogramme);

// Mise à jour manuelle : le fichier à ouvrir. Quand il n'y a pas encore de fichier à l'emplacement
// d'écriture, le fichier lu y est d'abord copié ; si la copie échoue, le fichier lu.
QString fichiermanuel(const Emplacements &e);

// Lance l'écriture après avoir créé le dossier du fichier ; un dossier créé ici et resté vide
// (rien d'écrit) est retiré. Rend le résultat de l'écriture.
bool ecritavecdossier(const QString &fichier, const std::function<bool()> &ecriture);

} // namespace maj
