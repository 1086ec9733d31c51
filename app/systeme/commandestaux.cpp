// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/commandestaux.h"

#include "config/emplacements.h"
#include "config/saisietaux.h"
#include "rates/saisie.h"
#include "rates/statut.h"

#include <QDir>

#include <cmath>
#include <cstdio>
#include <optional>

namespace commande {

namespace {

void sortie(const QString &texte)
{
    std::fputs(qPrintable(texte + u'\n'), stdout);
}

// « 2S2024=4,85 » : la clé et le nombre ; nullopt (message donné) sans « = ».
std::optional<std::pair<QString, QString>> couple(const QString &valeur, const QString &option)
{
    const qsizetype egal = valeur.indexOf(u'=');
    if (egal < 0) {
        erreur(QStringLiteral("%1 attend SEMESTRE=NOMBRE, par exemple 2S2024=4,85 ; reçu « %2 ».").arg(option, valeur));
        return std::nullopt;
    }
    return std::pair{valeur.left(egal).trimmed(), valeur.mid(egal + 1)};
}

Statut enregistre(const config::Emplacements &e, const taux::Saisie &saisie, const QString &complement = {})
{
    const config::Enregistrement r = config::enregistresaisie(e, e.taux, saisie, saisie.date);
    switch (r.etat) {
    case config::Enregistrement::Ecrit:
        sortie(QStringLiteral("%1%2 dans %3").arg(r.message, complement, QDir::toNativeSeparators(r.fichier)));
        return Fait;
    case config::Enregistrement::Inchange:
        sortie(r.message);
        return Fait;
    case config::Enregistrement::Refuse:
        erreur(r.message);
        return MauvaiseEntree;
    case config::Enregistrement::Echec:
        break;
    }
    erreur(r.message);
    return EchecEcriture;
}

taux::Saisie nouvelle(taux::Saisie::Operation operation, const QString &cle)
{
    taux::Saisie s;
    s.operation = operation;
    s.cle = cle;
    s.date = QDate::currentDate();
    return s;
}

} // namespace

void erreur(const QString &texte)
{
    std::fputs(qPrintable(QStringLiteral("Brunelix : ") + texte + u'\n'), stderr);
}

Statut taux(const config::Emplacements &e, const QString &valeur, const QString &source)
{
    const auto c = couple(valeur, QStringLiteral("--taux"));
    if (!c)
        return MauvaiseEntree;
    QString message;
    const auto centiemes = taux::littaux(c->second, &message);
    if (!centiemes) {
        erreur(message);
        return MauvaiseEntree;
    }
    taux::Saisie s = nouvelle(taux::Saisie::Fixe, c->first);
    s.centiemes = *centiemes;
    s.source = source;
    return enregistre(e, s);
}

Statut tmop(const config::Emplacements &e, const QString &valeur, const QString &source)
{
    const auto c = couple(valeur, QStringLiteral("--tmop"));
    if (!c)
        return MauvaiseEntree;
    QString message;
    const auto milliemes = taux::littmop(c->second, &message);
    if (!milliemes) {
        erreur(message);
        return MauvaiseEntree;
    }
    taux::Saisie s = nouvelle(taux::Saisie::Fixe, c->first);
    s.tmop = milliemes;
    s.centiemes = taux::tauxdetmop(*milliemes);
    s.source = source;
    return enregistre(e, s, QStringLiteral(" (%1)").arg(taux::formule(*milliemes)));
}

Statut retire(const config::Emplacements &e, const QString &valeur)
{
    return enregistre(e, nouvelle(taux::Saisie::Retire, valeur.trimmed()));
}

Statut listetaux(const config::Emplacements &e)
{
    taux::TableTaux table;
    table.fichiertaux = e.taux;
    if (taux::chargetaux(table) != taux::Chargement::Ok) {
        erreur(QStringLiteral("Le fichier des taux %1 ne se lit pas.").arg(QDir::toNativeSeparators(e.taux)));
        return EchecEcriture;
    }
    for (const taux::LigneTaux &l : taux::listetaux(table))
        sortie(QStringLiteral("%1\t%2\t%3")
                   .arg(l.cle, taux::textecentiemes(std::llround(l.taux * 100), u','), l.textenature));
    return Fait;
}

} // namespace commande
