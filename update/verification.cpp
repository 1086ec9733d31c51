// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/verification.h"

#include "config/ecriture.h"
#include "update/acceptation.h"
#include "update/echeance.h"
#include "update/refus.h"
#include "update/telechargement.h"

#include <QFileInfo>

namespace maj {

namespace {

// Ce qui distingue un fichier d'une version à l'autre : taille et date (absent : vide).
struct Empreinte
{
    bool existe = false;
    qint64 taille = 0;
    QDateTime date;

    bool operator==(const Empreinte &) const = default;
};

Empreinte empreinte(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

} // namespace

bool verifiemaj(const Demande &d, const Dependances &dep)
{
    const QString cle = d.table.nbtaux >= 0 ? d.table.periodes[0] : QString();
    if (cle.isEmpty())
        return false;
    const QDate aujourdhui = dep.aujourdhui ? dep.aujourdhui() : QDate::currentDate();
    if (!majdue(cle, aujourdhui))
        return false;
    bool feu = true;
    if (d.checkconnection)
        feu = dep.connexion ? dep.connexion() : testconnexion();
    if (d.adresse.isEmpty())
        feu = false;
    if (!feu)
        return false;

    // Les fichiers contre lesquels le téléchargement est comparé puis écrit.
    const Empreinte enusage = empreinte(d.table.fichiertaux), cible = empreinte(d.fichiertaux);
    if (dep.attente)
        dep.attente(true);
    const Reponse r = telecharge(d.adresse, dep.delai);
    if (dep.attente)
        dep.attente(false);

    if (!r.complete)
        return false;
    const QString raison = refuscorps(r.statut, r.corps, d.table, aujourdhui);
    if (!raison.isEmpty()) {
        noterefus(d.parametres, aujourdhui, raison);
        return false;
    }
    // Une saisie enregistrée pendant le téléchargement l'emporte.
    if (empreinte(d.table.fichiertaux) != enusage || empreinte(d.fichiertaux) != cible)
        return false;
    if (!config::remplacefichier(d.fichiertaux, contenufichier(r.corps)))
        return false;
    noterefus(d.parametres, aujourdhui, {});
    return true;
}

} // namespace maj
