// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Démarrage de la fenêtre principale : affichage centré et activation, puis, au tour de boucle
// qui suit la première peinture (ou au bout d'un délai pour une fenêtre jamais peinte), les
// onglets construits après coup, la mise à jour automatique, et enfin fini(). La fenêtre reste
// utilisable pendant toute la suite.

#include <QObject>

#include <functional>

class QWidget;

struct EtapesDemarrage
{
    std::function<void()> active;    // activation de la fenêtre
    std::function<void()> pages;     // onglets construits après la première peinture
    std::function<void()> miseajour; // mise à jour automatique (fait tourner la boucle)
};

class SequenceDemarrage : public QObject
{
    Q_OBJECT
  public:
    SequenceDemarrage(QWidget *fenetre, EtapesDemarrage etapes);

    void affiche();
    bool affichee() const { return etat_ != Etat::avant; } // vrai dès l'affichage

  Q_SIGNALS:
    void fini();

  protected:
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    void suite();

    QWidget *fenetre_;
    const EtapesDemarrage etapes_;
    enum class Etat { avant, affichee, suivie } etat_ = Etat::avant;
};
