// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Imprimante d'essai : enregistre filets et textes feuille par feuille ; hauteur de
// texte et interligne fixes, largeur d'un caractère la moitié de la hauteur, en twips.

#include "output/impression.h"

#include <algorithm>
#include <vector>

struct Trace
{
    bool texte;
    double x1, y1, x2, y2; // un texte : son coin en (x1, y1)
    QString contenu, police;
    double taille;
};

class Enregistreuse : public sortie::Imprimante
{
  public:
    Enregistreuse(int W, int H, double h, double interligne) : W_(W), H_(H), h_(h), interligne_(interligne) {}
    int largeur() const override { return W_; }
    int hauteur() const override { return H_; }
    QString police() const override { return police_; }
    void setPolice(const QString &nom) override { police_ = nom; }
    double taille() const override { return taille_; }
    void setTaille(double points) override { taille_ = points; }
    double x() const override { return x_; }
    double y() const override { return y_; }
    void setPosition(double x, double y) override { x_ = x, y_ = y; }
    double hauteurtexte(const QString &) const override { return h_; }
    double largeurtexte(const QString &t) const override { return h_ / 2 * double(t.size()); }
    void ligne(double x1, double y1, double x2, double y2) override
    {
        feuille().push_back({false, x1, y1, x2, y2, {}, {}, 0});
    }
    void texte(const QString &t, bool saut) override
    {
        if (!t.isEmpty())
            feuille().push_back({true, x_, y_, 0, 0, t, police_, taille_});
        if (saut)
            x_ = 0, y_ += interligne_;
    }
    void finfeuille() override { ++fins, x_ = y_ = 0; }
    bool findocument() override { return ++documents; }

    std::vector<std::vector<Trace>> feuilles; // jusqu'à la dernière où quelque chose est tracé
    int fins = 0, documents = 0;

  private:
    std::vector<Trace> &feuille()
    {
        feuilles.resize(std::max(feuilles.size(), std::size_t(fins) + 1));
        return feuilles.back();
    }
    int W_, H_;
    double h_, interligne_;
    QString police_ = QStringLiteral("Police de l'imprimante");
    double taille_ = 10, x_ = 0, y_ = 0;
};
