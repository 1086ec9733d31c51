// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Onglets : une QTabWidget dont le changement d'onglet, par l'utilisateur ou par
// le programme, signale l'onglet montré avant, à l'instant même du changement.

#include <QObject>

class QTabWidget;

class Onglets : public QObject
{
    Q_OBJECT
  public:
    explicit Onglets(QTabWidget *onglets);

    int courant() const;
    void setCourant(int indice);

  Q_SIGNALS:
    void changement(int precedent);

  private:
    QTabWidget *onglets_;
    int dernier_;
};
