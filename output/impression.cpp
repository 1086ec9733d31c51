// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/impression.h"

#include "rates/semestre.h"

#include <vector>

namespace sortie {

namespace {

// Bornes des colonnes mises à l'échelle de L ; la dernière vaut exactement L.
// Sans largeur utilisable, les colonnes se partagent L à parts égales.
std::vector<double> bornes(const EntreeImpression &e, double L)
{
    const int C = e.copie.colonnes;
    auto largeur = [&e](int c) {
        return c < e.largeurs.size() && e.largeurs.at(c) > 0 ? double(e.largeurs.at(c)) : 0.0;
    };
    double S = 0;
    for (int c = 0; c < C; ++c)
        S += largeur(c);
    std::vector<double> x(static_cast<std::size_t>(C) + 1, 0.0);
    for (int i = 1; i < C; ++i)
        x[i] = x[i - 1] + (S > 0 ? largeur(i - 1) * L / S : L / C);
    x[C] = L;
    return x;
}

} // namespace

void imprimertableau(Imprimante &imp, const EntreeImpression &e)
{
    const EntreeCopie &g = e.copie;
    const int C = g.colonnes;
    if (C < 1)
        return;
    const double W = imp.largeur();
    const double H = imp.hauteur();
    const double L = 0.9 * W;
    const std::vector<double> x = bornes(e, L);
    const double p = L / 200;
    imp.setPolice(QStringLiteral("Arial"));
    imp.setTaille(11);
    const double h = imp.hauteurtexte(QStringLiteral("ABCD"));
    double y = imp.y();
    double y0 = y;

    auto fermefeuille = [&] {
        for (int c = 0; c <= C; ++c)
            imp.ligne(x[c], y0, x[c], y);
        y = 0;
        y0 = 0;
        imp.finfeuille();
    };

    for (int r = 0; r < g.lignes; ++r) {
        // Une ligne passe à la feuille suivante quand son filet du bas sortirait de la zone imprimable.
        if (y + h + 2 * p > H)
            fermefeuille();
        imp.ligne(0, y, L, y);
        for (int c = 0; c < C; ++c) {
            const qsizetype i = static_cast<qsizetype>(r) * C + c;
            imp.setPosition(x[c] + p, y + p);
            imp.texte(i < g.cellules.size() ? g.cellules.at(i) : QString(), false);
        }
        y = y + h + 2 * p;
        imp.ligne(0, y, L, y);
    }
    fermefeuille();
}

bool imprimer(Imprimante &imp, const EntreeImpression &e)
{
    const EntreeCopie &g = e.copie;
    const QString police = imp.police();
    const double taille = imp.taille();
    imp.setTaille(11);
    const QString entete[] = {QStringLiteral("Crédit gratuit :"),
                              QString(),
                              taux::libellesemestre(g.premiersemestre, g.annee),
                              QString(),
                              QStringLiteral("Taux annuel : ") + g.tauxannuel,
                              QString(),
                              QStringLiteral("Prix à crédit : ") + g.montant,
                              QString()};
    for (const QString &l : entete)
        imp.texte(l, true);
    imprimertableau(imp, e);
    imp.texte(QString(), true);
    imp.setPolice(police);
    imp.setTaille(taille);
    return imp.findocument();
}

QString nompdf(const EntreeCopie &e)
{
    return QStringLiteral("Brunelix ") + taux::libellesemestre(e.premiersemestre, e.annee) + QStringLiteral(".pdf");
}

} // namespace sortie
