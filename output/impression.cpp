// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "output/impression.h"

#include "rates/semestre.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <vector>

namespace sortie {

namespace {

constexpr qsizetype longueurmontant = 40; // dans le nom du PDF

// Tailles en points : titre, en-tête et mention, notes (méthode, légende, pied), tableau.
// Sur A4 comme sur Letter, 36 mois, neuf colonnes, référence et deux lignes de mention
// tiennent sur une feuille aux marges de 6,35 mm.
constexpr double tailletitre = 12, tailleentete = 9, taillenotes = 8, tailletableau = 11;

const QString arial = QStringLiteral("Arial");

struct Ligne
{
    QString texte;
    double taille;
    bool espace = false; // un quart de ligne blanc au-dessus
};

// Découpe un texte en lignes d'au plus « largeur » twips, aux blancs.
QStringList coupe(Imprimante &imp, const QString &texte, double largeur)
{
    QStringList lignes;
    QString courante;
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        const QString essai = courante.isEmpty() ? mot : courante + u' ' + mot;
        if (!courante.isEmpty() && imp.largeurtexte(essai) > largeur) {
            lignes << courante;
            courante = mot;
        } else {
            courante = essai;
        }
    }
    if (!courante.isEmpty())
        lignes << courante;
    return lignes;
}

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

// Mise en page entière, calculée avant de tracer : le nombre de feuilles est connu d'avance.
struct Plan
{
    double L = 0, p = 0, h = 0; // largeur du tableau, marge des cellules, hauteur du texte
    std::vector<Ligne> entete;
    std::vector<double> x;
    double debut = 0;            // haut du tableau sur la première feuille
    double piedy = 0;            // haut du pied, sur chaque feuille
    std::vector<int> lignes;     // lignes de cellules (hors en-tête du tableau) par feuille
    bool entetepremiere = false; // la ligne d'en-tête du tableau est sur la première feuille
};

double hauteur(Imprimante &imp, const Ligne &l)
{
    imp.setTaille(l.taille);
    const double h = imp.hauteurtexte(l.texte.isEmpty() ? QStringLiteral("A") : l.texte);
    return l.espace ? 1.25 * h : h;
}

Plan planifie(Imprimante &imp, const EntreeImpression &e)
{
    const EntreeCopie &g = e.copie;
    Plan plan;
    plan.L = 0.9 * imp.largeur();
    plan.p = plan.L / 200;
    imp.setPolice(arial);

    plan.entete.push_back({QStringLiteral("Remise pour paiement comptant d'un crédit gratuit"), tailletitre});
    if (!e.reference.trimmed().isEmpty())
        plan.entete.push_back({QStringLiteral("Référence : ") + e.reference.trimmed(), tailleentete});
    const QStringList entete = {QStringLiteral("Crédit gratuit :"), taux::libellesemestre(g.premiersemestre, g.annee),
                                QStringLiteral("Taux annuel : ") + g.tauxannuel, ligneprix(g.montant)};
    for (const QString &l : entete)
        plan.entete.push_back({l, tailleentete, &l == &entete.front()});
    for (const QString &l : g.mention)
        plan.entete.push_back({l, tailleentete});
    imp.setTaille(taillenotes);
    bool premiere = true;
    for (const QString &l :
         coupe(imp,
               QStringLiteral("Chaque prix est le montant payé comptant qui équivaut à n mensualités "
                              "sans intérêts, actualisées au taux annuel de référence ; coefficient "
                              "tronqué à 4 décimales, prix arrondi au centime."),
               plan.L)) {
        plan.entete.push_back({l, taillenotes, premiere});
        premiere = false;
    }
    const QString legende = legendecolonnes(g.colonnes);
    if (!legende.isEmpty())
        plan.entete.push_back({legende, taillenotes});

    double y = 0;
    for (const Ligne &l : plan.entete)
        y += hauteur(imp, l);
    imp.setTaille(taillenotes);
    const double hpied = imp.hauteurtexte(QStringLiteral("ABCD"));
    plan.piedy = imp.hauteur() - hpied;
    imp.setTaille(tailletableau);
    plan.h = imp.hauteurtexte(QStringLiteral("ABCD"));
    plan.debut = y + plan.h / 4;

    if (g.colonnes < 1 || g.lignes < 1) {
        plan.lignes = {0};
        return plan;
    }
    plan.x = bornes(e, plan.L);
    // Le tableau s'arrête une demi-ligne au-dessus du pied ; chaque feuille porte au moins
    // la ligne d'en-tête et une ligne de cellules.
    const double R = plan.h + 2 * plan.p, bas = plan.piedy - hpied / 2;
    auto places = [&](double haut) { return static_cast<int>(std::floor((bas - haut) / R + 1e-9)); };
    int reste = g.lignes - 1;
    const int premiere_ = places(plan.debut);
    plan.entetepremiere = premiere_ >= std::min(2, g.lignes);
    plan.lignes.push_back(plan.entetepremiere ? std::min(reste, premiere_ - 1) : 0);
    reste -= plan.lignes.back();
    const int suivantes = std::max(1, places(0) - 1);
    while (reste > 0) {
        plan.lignes.push_back(std::min(reste, suivantes));
        reste -= plan.lignes.back();
    }
    return plan;
}

// Ligne r de la grille, réglée en haut à y ; rend le bas de la ligne.
double traceligne(Imprimante &imp, const EntreeImpression &e, const Plan &plan, int r, double y)
{
    const EntreeCopie &g = e.copie;
    const int C = g.colonnes;
    imp.ligne(0, y, plan.L, y);
    for (int c = 0; c < C; ++c) {
        const qsizetype i = static_cast<qsizetype>(r) * C + c;
        imp.setPosition(plan.x[c] + plan.p, y + plan.p);
        imp.texte(i < g.cellules.size() ? g.cellules.at(i) : QString(), false);
    }
    y += plan.h + 2 * plan.p;
    imp.ligne(0, y, plan.L, y);
    return y;
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

bool imprimer(Imprimante &imp, const EntreeImpression &e)
{
    const QString police = imp.police();
    const double taille = imp.taille();
    const Plan plan = planifie(imp, e);
    const int N = static_cast<int>(plan.lignes.size());

    double y = 0;
    for (const Ligne &l : plan.entete) {
        const double hl = hauteur(imp, l);
        imp.setPosition(0, y + hl - imp.hauteurtexte(l.texte));
        imp.texte(l.texte, false);
        y += hl;
    }
    int r = 1; // prochaine ligne de cellules
    for (int f = 0; f < N; ++f) {
        if (f > 0)
            imp.finfeuille();
        imp.setTaille(tailletableau);
        if (f > 0 || plan.entetepremiere) {
            const double haut = f ? 0 : plan.debut;
            y = traceligne(imp, e, plan, 0, haut);
            for (int k = 0; k < plan.lignes[f]; ++k)
                y = traceligne(imp, e, plan, r++, y);
            for (const double x : plan.x)
                imp.ligne(x, haut, x, y);
        }
        imp.setTaille(taillenotes);
        if (!e.pied.isEmpty()) {
            imp.setPosition(0, plan.piedy);
            imp.texte(e.pied, false);
        }
        const QString page = QStringLiteral("page %1/%2").arg(f + 1).arg(N);
        imp.setPosition(plan.L - imp.largeurtexte(page), plan.piedy);
        imp.texte(page, false);
    }
    imp.setPolice(police);
    imp.setTaille(taille);
    return imp.findocument();
}

int nombrefeuilles(Imprimante &imp, const EntreeImpression &e)
{
    const QString police = imp.police();
    const double taille = imp.taille();
    const int n = static_cast<int>(planifie(imp, e).lignes.size());
    imp.setPolice(police);
    imp.setTaille(taille);
    return n;
}

QString ligneprix(const QString &montant)
{
    const QString fin = montant.trimmed();
    const bool unite = fin.isEmpty() || fin.endsWith(u'€') || fin.endsWith(QStringLiteral("EUR"), Qt::CaseInsensitive);
    return QStringLiteral("Prix à crédit : ") + montant + (unite ? QString() : QStringLiteral(" €"));
}

QString legendecolonnes(int colonnes)
{
    const int points = colonnes - 2;
    if (points < 1)
        return {};
    if (points == 1)
        return QStringLiteral("Colonne 1 : point de crédit pris en charge par le vendeur");
    return QStringLiteral("Colonnes 1 à %1 : points de crédit pris en charge par le vendeur").arg(points);
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
