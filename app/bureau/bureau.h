// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Programmes du bureau : la calculatrice et l'éditeur de texte de la mise à jour manuelle.

#include <QStringList>

namespace bureau {

class Calculatrice
{
  public:
    // Met au premier plan une calculatrice déjà ouverte (n'importe laquelle de la
    // liste), sinon lance la première installée ; sous Wayland, où la fenêtre ouverte est
    // hors d'atteinte, la lance quand même. Un échec ne dit rien.
    void lance();

    static const QStringList programmes;
};

// Éditeurs cherchés quand le bureau ne déclare pas d'éditeur par défaut du texte brut.
extern const QStringList editeurs;

// Vrai quand un éditeur est déclaré par le bureau ou installé, sans rien lancer.
bool editeurtrouve();

// Met au premier plan l'éditeur qui serait lancé s'il est déjà ouvert (le fichier n'y
// est pas ouvert), sinon (ou sous Wayland) le lance sur le fichier. Faux quand aucun
// éditeur n'a été relevé ni lancé.
bool editeur(const QString &fichier);

// Forme courte d'un chemin : Linux n'en a pas, le chemin est rendu tel quel.
QString chemincourt(const QString &chemin);

} // namespace bureau
