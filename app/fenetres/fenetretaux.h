// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Fenêtre « Taux de référence » : liste les semestres du fichier des taux en usage (table de
// l'état) et le dernier refus d'une mise à jour ; ajoute, corrige ou retire un semestre par
// config/saisietaux, qui écrit le fichier. Après une écriture, ecrit() est émis : la fenêtre
// principale recharge la table, puis cette fenêtre relit la liste.

#include "app/disposition/dispositiontaux.h"
#include "rates/saisie.h"

#include <QDate>
#include <QDialog>

struct EtatBrunelix;

class FenetreTaux : public QDialog
{
    Q_OBJECT
  public:
    FenetreTaux(EtatBrunelix &etat, const QDate &aujourdhui, QWidget *parent = nullptr);

    const ControlesTaux &controles() const { return c_; }

  Q_SIGNALS:
    void ecrit(const QString &fichier); // fichier des taux écrit, à recharger

  private:
    void remplit();
    void semestrechoisi();
    void lignechoisie();
    void montreformule();
    void enregistre(taux::Saisie::Operation operation);
    void montre(const QString &message);
    QString cle() const;
    int ligne(const QString &cle) const;

    EtatBrunelix &etat_;
    const QDate aujourdhui_;
    ControlesTaux c_;
};
