// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Découpage d'un fichier texte en éléments : un élément finit à une virgule
// ou en fin de ligne (CR LF, LF seul ou CR seul). Un élément ouvert par un
// guillemet va jusqu'au guillemet fermant, virgules et fins de ligne comprises.
// Une marque d'ordre des octets UTF-8 en tête du contenu est sautée.

#include <QByteArray>

namespace taux {

class LecteurElements
{
  public:
    enum Resultat { Element, Fin, Erreur };

    explicit LecteurElements(const QByteArray &contenu);

    // Lit l'élément suivant dans element. Erreur : guillemet jamais refermé.
    Resultat suivant(QByteArray &element);

    // Position dans le contenu du début du dernier élément lu (ou du guillemet jamais refermé).
    qsizetype debut() const { return debut_; }

  private:
    bool finligne(qsizetype i) const;
    void passefinligne();

    const QByteArray &contenu_;
    qsizetype pos_ = 0;
    qsizetype debut_ = 0;
};

} // namespace taux
