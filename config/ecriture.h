// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Seule façon d'écrire un fichier du programme (taux, réglages) : entier ou pas du tout.

#include <QByteArray>
#include <QString>

namespace config {

// Remplace le fichier par le contenu (fichier temporaire du même dossier puis renommage).
// Seulement quand la cible est absente ou mène à un fichier ordinaire (FIFO, périphérique,
// dossier, lien cassé : faux, rien ne change). Les dossiers manquants sont créés à ce
// moment ; ceux qu'une écriture ratée a créés sont retirés. Le renommage n'a lieu qu'une
// fois tous les octets écrits et vidés sans erreur ; sinon l'ancien fichier reste tel quel
// et le résultat est faux.
bool remplacefichier(const QString &chemin, const QByteArray &contenu);

} // namespace config
