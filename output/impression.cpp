// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/impression.h"

#include "rates/semestre.h"

#include <QDateTime>

#include <vector>

namespace sortie {

namespace {

constexpr qsizetype longueurmontant = 40; // dans le nom du PDF

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

// Tableau réglé à la position courante ; la dernière feuille reste ouverte, ses filets
// verticaux tracés, la position sous son dernier filet. Faux quand rien n'est tracé.
bool tracetableau(Imprimante &imp, const EntreeImpression &e)
{
    const EntreeCopie &g = e.copie;
    const int C = g.colonnes;
    if (C < 1)
        return false;
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

    auto filetsverticaux = [&] {
        for (int c = 0; c <= C; ++c)
            imp.ligne(x[c], y0, x[c], y);
    };

    for (int r = 0; r < g.lignes; ++r) {
        // Une ligne passe à la feuille suivante quand son filet du bas sortirait de la zone imprimable.
        if (y + h + 2 * p > H) {
            filetsverticaux();
            y = 0;
            y0 = 0;
            imp.finfeuille();
        }
        imp.ligne(0, y, L, y);
        for (int c = 0; c < C; ++c) {
            const qsizetype i = static_cast<qsizetype>(r) * C + c;
            imp.setPosition(x[c] + p, y + p);
            imp.texte(i < g.cellules.size() ? g.cellules.at(i) : QString(), false);
        }
        y = y + h + 2 * p;
        imp.ligne(0, y, L, y);
    }
    filetsverticaux();
    imp.setPosition(0, y);
    return true;
}

// Pied sous le tableau, une ligne blanche plus bas, ou en haut de la feuille suivante.
void imprimepied(Imprimante &imp, const QString &pied)
{
    const double h = imp.hauteurtexte(pied);
    double y = imp.y() + h;
    if (y + h > imp.hauteur()) {
        imp.finfeuille();
        y = 0;
    }
    imp.setPosition(0, y);
    imp.texte(pied, true);
}

// Nom de fichier sans « / » ni caractère de contrôle ; il commence par « Brunelix »,
// jamais par un « . ».
QString nomsur(QString nom)
{
    for (QChar &c : nom)
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    return nom;
}

} // namespace

void imprimertableau(Imprimante &imp, const EntreeImpression &e)
{
    if (tracetableau(imp, e))
        imp.finfeuille();
}

bool imprimer(Imprimante &imp, const EntreeImpression &e)
{
    const EntreeCopie &g = e.copie;
    const QString police = imp.police();
    const double taille = imp.taille();
    imp.setTaille(11);
    QStringList entete = {QStringLiteral("Crédit gratuit :"), QString(),
                          taux::libellesemestre(g.premiersemestre, g.annee), QString(),
                          QStringLiteral("Taux annuel : ") + g.tauxannuel};
    entete += e.mention;
    entete += {QString(), QStringLiteral("Prix à crédit : ") + g.montant, QString()};
    for (const QString &l : entete)
        imp.texte(l, true);
    const bool trace = tracetableau(imp, e);
    if (!e.pied.isEmpty()) {
        imp.setPolice(police); // la face de l'en-tête
        imprimepied(imp, e.pied);
    }
    if (trace || !e.pied.isEmpty())
        imp.finfeuille();
    imp.texte(QString(), true);
    imp.setPolice(police);
    imp.setTaille(taille);
    return imp.findocument();
}

QString lignepied(const QDateTime &quand, const QString &version)
{
    return QStringLiteral("Imprimé le ") + quand.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ") +
           quand.toString(QStringLiteral("HH:mm")) + QStringLiteral(" par Brunelix ") + version;
}

QString nompdf(const EntreeCopie &e)
{
    QString nom = QStringLiteral("Brunelix ") + taux::libellesemestre(e.premiersemestre, e.annee.trimmed());
    const QString montant = e.montant.trimmed().left(longueurmontant);
    if (!montant.isEmpty())
        nom += u' ' + montant;
    return nomsur(nom + QStringLiteral(".pdf"));
}

} // namespace sortie
