// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/emplacements.h"

#include "config/dossiers.h"
#include "config/ecriture.h"
#include "config/parametres.h"
#include "rates/echeance.h"
#include "rates/tabletaux.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace config {

namespace {

const QString nomtaux = QStringLiteral("BRUNELIX.TXT");
const QString sousdossier = QStringLiteral("/brunelix/");

// Un même fichier sous deux noms (« .. », lien symbolique) ?
bool memefichier(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (ca.isEmpty() || cb.isEmpty())
        return QDir::cleanPath(a) == QDir::cleanPath(b);
    return ca == cb;
}

// Échéance de l'entrée de tête (la plus récente, celle que suit la mise à jour) ;
// invalide quand le fichier ne se lit pas.
QDate echeancetete(const QString &chemin)
{
    taux::TableTaux t;
    t.fichiertaux = chemin;
    if (taux::chargetaux(t) != taux::Chargement::Ok || t.nbtaux < 0)
        return {};
    return taux::echeance(t.periodes[0]);
}

// Fichier livré : à côté du programme (tout préfixe), puis dans les dossiers de données
// XDG hors de celui de l'utilisateur ; vide quand il n'y en a pas.
QString fichierlivre(const QString &dossierprogramme, const QString &copie)
{
    QStringList dossiers{dossierprogramme + QStringLiteral("/../share")};
    for (const QString &d : donneessysteme())
        if (d != donneesutilisateur())
            dossiers << d;
    for (const QString &d : dossiers) {
        const QString chemin = QDir::cleanPath(d + sousdossier + nomtaux);
        if (taux::fichierexiste(chemin))
            return memefichier(chemin, copie) ? copie : chemin;
    }
    return {};
}

} // namespace

Emplacements emplacements(const QString &lignecommande, const QString &dossierprogramme)
{
    Emplacements e;
    const QString apart = dossierprogramme + u'/' + nomtaux;
    e.portable = taux::fichierexiste(apart);
    if (e.portable) {
        e.taux = e.ecriture = apart;
        e.parametres = cheminparametres(dossierprogramme);
    } else {
        const QString copie = donneesutilisateur() + sousdossier + nomtaux;
        const QString livre = fichierlivre(dossierprogramme, copie);
        // Copie illisible : gardée, son rapport de fichier corrompu dit où elle est. Sans copie,
        // le fichier livré n'est lu qu'une fois, au chargement.
        bool prendcopie = livre.isEmpty();
        if (!prendcopie && taux::fichierexiste(copie)) {
            const QDate datecopie = echeancetete(copie), datelivre = echeancetete(livre);
            prendcopie = !(datecopie.isValid() && datelivre.isValid() && datecopie < datelivre);
        }
        e.taux = prendcopie ? copie : livre;
        e.ecriture = copie;
        e.parametres = cheminparametres(reglagesutilisateur() + QStringLiteral("/brunelix"));
    }
    // Une ligne de commande vide n'est aucun dossier (rien n'est cherché à la racine).
    if (!lignecommande.isEmpty()) {
        const QString chemin =
            lignecommande + (lignecommande.endsWith(u'/') ? QString() : QStringLiteral("/")) + nomtaux;
        if (taux::fichierexiste(chemin))
            e.taux = e.ecriture = chemin;
    }
    return e;
}

QString fichiermanuel(const Emplacements &e, const QString &enusage)
{
    if (memefichier(enusage, e.ecriture))
        return e.ecriture;
    // Copie plus ancienne que le fichier en usage : gardée sous un nom de sauvegarde. Autre
    // chose qu'un fichier ordinaire (FIFO...) n'est ni lu ni remplacé.
    const QFileInfo copie(e.ecriture);
    if ((copie.exists() || copie.isSymLink()) && (!copie.isFile() || sauvegarde(e.ecriture).isEmpty()))
        return enusage;
    QFile source(enusage);
    if (!source.open(QIODevice::ReadOnly))
        return enusage;
    const QByteArray contenu = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return enusage;
    return remplacefichier(e.ecriture, contenu) ? e.ecriture : enusage;
}

QString sauvegarde(const QString &fichier)
{
    const QFileInfo info(fichier);
    const QString base = info.path() + u'/' + info.completeBaseName() + QStringLiteral("-ancien");
    const QString extension = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 1; n < 1000; ++n) {
        const QString nom = base + (n > 1 ? QString::number(n) : QString()) + extension;
        if (QFileInfo::exists(nom) || QFileInfo(nom).isSymLink())
            continue;
        return QFile::copy(fichier, nom) ? nom : QString(); // copy() n'écrase jamais
    }
    return {};
}

} // namespace config
