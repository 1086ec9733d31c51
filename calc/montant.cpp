// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/montant.h"

#include "rates/nombre.h"

#include <QLocale>

#include <string>

namespace calcul {

namespace {

bool blanc(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool chiffre(const QString &s, qsizetype i)
{
    return i < s.size() && s.at(i) >= u'0' && s.at(i) <= u'9';
}

// Virgule de milliers : suivie d'exactement trois chiffres.
bool groupe(const QString &s, qsizetype i)
{
    return s.at(i) == u',' && chiffre(s, i + 1) && chiffre(s, i + 2) && chiffre(s, i + 3) && !chiffre(s, i + 4);
}

} // namespace

MontantLu litmontant(const QString &texte, const QLocale &regional)
{
    QString s;
    s.reserve(texte.size());
    for (const QChar c : texte)
        if (!blanc(c))
            s += c;
    const QString decimal = regional.decimalPoint();
    const QChar separateur = decimal.isEmpty() ? QChar(u'.') : decimal.at(0);
    const bool milliers = regional.groupSeparator() == QStringLiteral(",");

    // Le nombre réécrit en ASCII pour sa conversion : signe, chiffres, point, chiffres, exposant.
    std::string n;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        n.push_back(static_cast<char>(s.at(i++).unicode()));
    bool entiers = false;
    bool decimales = false;
    while (i < s.size()) {
        if (chiffre(s, i)) {
            n.push_back(static_cast<char>(s.at(i++).unicode()));
            entiers = true;
        } else if (milliers && entiers && groupe(s, i)) {
            ++i;
        } else {
            break;
        }
    }
    if (i < s.size() && (s.at(i) == u'.' || s.at(i) == separateur)) {
        n.push_back('.');
        for (++i; chiffre(s, i); ++i) {
            n.push_back(static_cast<char>(s.at(i).unicode()));
            decimales = true;
        }
    }
    MontantLu m;
    if (!entiers && !decimales) {
        m.valeur = 0.0;
        m.arrete = !s.isEmpty();
        return m;
    }
    // Exposant : E, signe facultatif, au moins un chiffre ; sinon la lecture s'arrête avant E.
    if (i < s.size() && (s.at(i) == u'E' || s.at(i) == u'e')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
            e.push_back(static_cast<char>(s.at(j++).unicode()));
        if (chiffre(s, j)) {
            for (; chiffre(s, j); ++j)
                e.push_back(static_cast<char>(s.at(j).unicode()));
            n += e;
            i = j;
        }
    }
    m.nombre = true;
    m.valeur = taux::valnombre(std::string_view(n));
    const QStringView reste = QStringView(s).mid(i);
    m.arrete = !reste.isEmpty() && reste != u"€";
    return m;
}

} // namespace calcul
