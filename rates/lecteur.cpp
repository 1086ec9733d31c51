// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/lecteur.h"

namespace taux {

LecteurElements::LecteurElements(const QByteArray &contenu) : contenu_(contenu)
{
    // Marque d'ordre des octets UTF-8 laissée par certains éditeurs : ignorée.
    if (contenu_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

bool LecteurElements::finligne(qsizetype i) const
{
    const char c = contenu_.at(i);
    return c == '\r' || c == '\n';
}

void LecteurElements::passefinligne()
{
    if (contenu_.at(pos_) == '\r' && pos_ + 1 < contenu_.size() && contenu_.at(pos_ + 1) == '\n')
        ++pos_;
    ++pos_;
}

LecteurElements::Resultat LecteurElements::suivant(QByteArray &element)
{
    const qsizetype n = contenu_.size();
    while (pos_ < n && contenu_.at(pos_) == ' ')
        ++pos_;
    if (pos_ >= n)
        return Fin;
    debut_ = pos_;

    if (contenu_.at(pos_) == '"') {
        const qsizetype ferme = contenu_.indexOf('"', pos_ + 1);
        if (ferme < 0) {
            pos_ = n;
            return Erreur;
        }
        element = contenu_.mid(pos_ + 1, ferme - pos_ - 1);
        // Le reste jusqu'au séparateur est ignoré.
        pos_ = ferme + 1;
        while (pos_ < n && contenu_.at(pos_) != ',' && !finligne(pos_))
            ++pos_;
    } else {
        while (pos_ < n && contenu_.at(pos_) != ',' && !finligne(pos_))
            ++pos_;
        element = contenu_.mid(debut_, pos_ - debut_);
    }
    if (pos_ < n) {
        if (contenu_.at(pos_) == ',')
            ++pos_;
        else
            passefinligne();
    }
    return Element;
}

} // namespace taux
