// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/emplacements.h"

#include "config/ecriture.h"
#include "config/parametres.h"
#include "rates/echeance.h"
#include "rates/tabletaux.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace maj {

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
    const QString maison = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (d != maison)
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
        const QString copie =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + sousdossier + nomtaux;
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
        e.parametres = cheminparametres(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                        QStringLiteral("/brunelix"));
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

QString fichiermanuel(const Emplacements &e)
{
    if (QFileInfo::exists(e.ecriture))
        return e.ecriture;
    QFile source(e.taux);
    if (!source.open(QIODevice::ReadOnly))
        return e.taux;
    const QByteArray contenu = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return e.taux;
    return ecritavecdossier(e.ecriture, [&] { return remplacefichier(e.ecriture, contenu); }) ? e.ecriture : e.taux;
}

bool ecritavecdossier(const QString &fichier, const std::function<bool()> &ecriture)
{
    const QString dossier = QFileInfo(fichier).absolutePath();
    const bool cree = !QFileInfo::exists(dossier) && QDir().mkpath(dossier);
    const bool ecrit = ecriture();
    if (cree && !ecrit)
        QDir().rmdir(dossier);
    return ecrit;
}

} // namespace maj
