// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/tableausemestre.h"

#include "calc/tableau.h"
#include "rates/choixperiode.h"
#include "rates/periodes.h"
#include "rates/semestre.h"
#include "rates/statut.h"
#include "rates/tabletaux.h"

#include <QDate>
#include <QLocale>

namespace sortie {

EntreeCopie entreecopie(const calcul::Tableau &t, int semestre, const QString &annee, const QString &montant,
                        const QStringList &mention)
{
    EntreeCopie e;
    e.premiersemestre = semestre == 1;
    e.annee = annee;
    e.tauxannuel = t.intitule;
    e.montant = montant;
    e.mention = mention;
    e.lignes = calcul::lignesmois + 1;
    e.colonnes = t.colonnes;
    if (t.colonnes < 1)
        return e;
    e.cellules << QStringLiteral("Mois") << QStringLiteral("Crédit gratuit");
    for (int p = 1; p <= t.colonnes - 2; ++p)
        e.cellules << QString::number(p);
    const int parligne = t.colonnes - 1;
    for (int k = 1; k <= calcul::lignesmois; ++k) {
        e.cellules << QString::number(k + 2);
        for (int c = 0; c < parligne; ++c) {
            const std::size_t i = static_cast<std::size_t>((k - 1) * parligne + c);
            e.cellules << (i < t.cellules.size() ? t.cellules[i] : QString());
        }
    }
    return e;
}

TableauSemestre tableausemestre(const taux::TableTaux &table, const QString &cle, const QString &montant,
                                const QLocale &regional, const QDate &aujourdhui)
{
    TableauSemestre r;
    // Le semestre et l'année que la fenêtre montrerait ; la table doit donner ses années.
    const auto initial = taux::choixinitial(table, 1);
    const auto anneeinitiale = initial ? taux::anneedetexte(initial->annees.value(initial->ligne)) : std::nullopt;
    if (!anneeinitiale) {
        r.refus = Refus::taux;
        return r;
    }
    taux::Semestre s{*anneeinitiale, initial->semestre};
    QString annee = initial->annees.value(initial->ligne);
    if (!cle.isEmpty()) {
        const auto lu = taux::Semestre::lit(cle);
        if (!lu) {
            r.refus = Refus::clemalformee;
            return r;
        }
        s = *lu;
        annee = QString::number(s.annee);
    }
    const double t = taux::tauxperiode(table, static_cast<qint16>(s.annee), s.numero);
    if (t == 0) {
        r.refus = cle.isEmpty() ? Refus::calcul : Refus::cleinconnue;
        return r;
    }
    const calcul::Tableau tableau = calcul::construittableau(t, montant, regional);
    if (!tableau.montant.nombre)
        r.refus = Refus::montant;
    else if (!tableau.complet)
        r.refus = Refus::calcul;
    else
        r.copie =
            entreecopie(tableau, s.numero, annee, montant, lignesmention(taux::mention(table, s, aujourdhui).texte));
    return r;
}

QString messagerefus(Refus refus, const QString &cle, const QString &montant)
{
    switch (refus) {
    case Refus::aucun:
        break;
    case Refus::taux:
        return QStringLiteral("le fichier des taux ne donne aucune année.");
    case Refus::clemalformee:
        return QStringLiteral("semestre « %1 » mal écrit : chiffre 1 ou 2, « S », année sur quatre chiffres "
                              "(par exemple 1S2024).")
            .arg(cle);
    case Refus::cleinconnue:
        return QStringLiteral("pas de taux pour le semestre « %1 » dans le fichier des taux.").arg(cle);
    case Refus::montant:
        if (montant.trimmed().isEmpty())
            return QStringLiteral("le montant est vide.");
        return QStringLiteral("le montant « %1 » ne commence pas par un nombre.").arg(montant);
    case Refus::calcul:
        return QStringLiteral("calcul impossible pour ce taux et le montant « %1 ».").arg(montant);
    }
    return {};
}

} // namespace sortie
