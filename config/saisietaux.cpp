// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/saisietaux.h"

#include "config/ecriture.h"
#include "config/emplacements.h"

#include <QDir>
#include <QFileInfo>

namespace config {

Enregistrement enregistresaisie(const Emplacements &e, const QString &enusage, const taux::Saisie &saisie,
                                const QDate &aujourdhui)
{
    Enregistrement r;
    r.fichier = e.ecriture;
    QByteArray contenu;
    if (taux::litfichier(enusage, contenu) != taux::Chargement::Ok) {
        r.message = QStringLiteral("Le fichier des taux %1 ne se lit pas.").arg(QDir::toNativeSeparators(enusage));
        return r;
    }
    const taux::Resultat resultat = taux::appliquesaisie(contenu, saisie, aujourdhui);
    r.message = resultat.message;
    if (resultat.etat == taux::Resultat::Refuse) {
        r.etat = Enregistrement::Refuse;
        return r;
    }
    if (resultat.etat == taux::Resultat::Inchange) {
        r.etat = Enregistrement::Inchange;
        return r;
    }
    // Le fichier en usage n'est pas celui qu'écrit le programme : la copie plus ancienne est
    // gardée de côté avant d'être remplacée.
    const QFileInfo copie(e.ecriture);
    const bool ailleurs = QFileInfo(enusage).canonicalFilePath() != copie.canonicalFilePath();
    if (ailleurs && (copie.exists() || copie.isSymLink()) && sauvegarde(e.ecriture).isEmpty()) {
        r.message = QStringLiteral("La copie %1 n'a pas pu être gardée de côté : rien n'est écrit.")
                        .arg(QDir::toNativeSeparators(e.ecriture));
        return r;
    }
    if (!remplacefichier(e.ecriture, resultat.contenu)) {
        r.message = QStringLiteral("Écriture impossible dans %1 : rien n'est changé.")
                        .arg(QDir::toNativeSeparators(e.ecriture));
        return r;
    }
    r.etat = Enregistrement::Ecrit;
    return r;
}

} // namespace config
