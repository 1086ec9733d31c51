// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "update/verification.h"

#include "config/ecriture.h"
#include "update/acceptation.h"
#include "update/echeance.h"
#include "update/telechargement.h"

namespace maj {

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

    if (dep.attente)
        dep.attente(true);
    const Reponse r = telecharge(d.adresse, dep.delai);
    if (dep.attente)
        dep.attente(false);

    if (!r.complete || !acceptecorps(r.statut, r.corps, d.table, aujourdhui))
        return false;
    return remplacefichier(d.fichiertaux, contenufichier(r.corps));
}

} // namespace maj
