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

namespace config {

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

// Mise à jour manuelle : le fichier à ouvrir, celui des taux en usage (enusage). Quand il n'est
// pas l'emplacement d'écriture (pas encore de copie, ou copie plus ancienne que le fichier livré),
// la copie existante est d'abord gardée sous un nom de sauvegarde (sauvegarde), puis le fichier
// en usage est copié à l'emplacement d'écriture ; si l'une ou l'autre échoue, le fichier en usage.
QString fichiermanuel(const Emplacements &e, const QString &enusage);

// Copie le fichier à côté de lui sous le premier nom libre parmi « BRUNELIX-ancien.TXT »,
// « BRUNELIX-ancien2.TXT »..., sans jamais écraser ; rend ce nom, vide en cas d'échec.
QString sauvegarde(const QString &fichier);

} // namespace config
