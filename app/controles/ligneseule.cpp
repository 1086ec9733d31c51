// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/controles/ligneseule.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// Le texte rendu par validate remplace celui du champ : les fins de ligne en sont retirées,
// le curseur reste après ce qui le précédait.
class SansFinDeLigne : public QValidator
{
  public:
    using QValidator::QValidator;

    State validate(QString &texte, int &position) const override
    {
        const auto finligne = [](QChar c) { return c == u'\r' || c == u'\n'; };
        position -=
            static_cast<int>(std::count_if(texte.cbegin(), texte.cbegin() + qMin(position, texte.size()), finligne));
        texte.removeIf(finligne);
        return Acceptable;
    }
};

} // namespace

void ligneseule(QLineEdit *champ)
{
    champ->setValidator(new SansFinDeLigne(champ));
}
