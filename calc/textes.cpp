// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/textes.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace calcul {

namespace {

// Décomposition décimale d'un double sur 15 chiffres significatifs :
// chiffres (sans zéros de fin), exposant décimal du premier chiffre, signe.
struct Decimal
{
    std::string chiffres;
    int exposant = 0;
    bool negatif = false;
};

Decimal decompose(double x)
{
    Decimal d;
    d.negatif = std::signbit(x) && x != 0;
    if (x == 0) {
        d.chiffres = "0";
        return d;
    }
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific, 14);
    const std::string s(tampon, r.ptr);
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            d.chiffres.push_back(s[i]);
    d.exposant = std::stoi(s.substr(e + 1));
    while (d.chiffres.size() > 1 && d.chiffres.back() == '0')
        d.chiffres.pop_back();
    return d;
}

// Écriture ordinaire ou scientifique (au-delà de 15 chiffres, en deçà de 1E-05).
QString ecrit(const Decimal &d, QChar separateur, bool zerotete)
{
    QString s;
    if (d.negatif)
        s += u'-';
    const int n = static_cast<int>(d.chiffres.size());
    if (d.chiffres == "0") {
        s += u'0';
    } else if (d.exposant >= 15 || d.exposant < -5) {
        s += QChar(d.chiffres[0]);
        if (n > 1)
            s += separateur + QString::fromLatin1(d.chiffres.data() + 1, n - 1);
        s += u'E';
        s += d.exposant < 0 ? u'-' : u'+';
        s += QString::number(std::abs(d.exposant)).rightJustified(2, u'0');
    } else if (d.exposant < 0) {
        if (zerotete)
            s += u'0';
        s += separateur + QString(-d.exposant - 1, u'0') + QString::fromLatin1(d.chiffres.data(), n);
    } else {
        const int entiers = d.exposant + 1;
        for (int i = 0; i < entiers; ++i)
            s += i < n ? QChar(d.chiffres[i]) : QChar(u'0');
        if (n > entiers)
            s += separateur + QString::fromLatin1(d.chiffres.data() + entiers, n - entiers);
    }
    return s;
}

} // namespace

QString textecellule(double valeur, const QLocale &regional)
{
    const QString sep = regional.decimalPoint();
    if (!std::isfinite(valeur))
        return QString::number(valeur);
    const Decimal d = decompose(valeur);
    // Entier des centimes sur les chiffres décimaux, moitié en s'éloignant de zéro.
    std::string centimes;
    const int n = static_cast<int>(d.chiffres.size());
    const int garde = d.exposant + 3; // chiffres jusqu'aux centièmes
    bool arrondihaut = false;
    if (d.chiffres != "0" && garde > 0) {
        centimes.assign(d.chiffres, 0, static_cast<std::size_t>(std::min(garde, n)));
        if (garde > n)
            centimes.append(static_cast<std::size_t>(garde - n), '0');
        arrondihaut = garde < n && d.chiffres[static_cast<std::size_t>(garde)] >= '5';
    } else if (d.chiffres != "0" && garde == 0) {
        arrondihaut = d.chiffres[0] >= '5';
    }
    if (centimes.empty())
        centimes = "0";
    if (arrondihaut) {
        int i = static_cast<int>(centimes.size()) - 1;
        for (; i >= 0 && centimes[static_cast<std::size_t>(i)] == '9'; --i)
            centimes[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            centimes.insert(centimes.begin(), '1');
        else
            ++centimes[static_cast<std::size_t>(i)];
    }
    while (centimes.size() < 3)
        centimes.insert(centimes.begin(), '0');
    const bool nul = centimes.find_first_not_of('0') == std::string::npos;
    QString s = d.negatif && !nul ? QStringLiteral("-") : QString();
    s += QString::fromLatin1(centimes.data(), static_cast<qsizetype>(centimes.size() - 2));
    s += sep;
    s += QString::fromLatin1(centimes.data() + centimes.size() - 2, 2);
    return s;
}

QString textenombre(double valeur, const QLocale &regional)
{
    if (!std::isfinite(valeur))
        return QString::number(valeur);
    return ecrit(decompose(valeur), regional.decimalPoint().at(0), true);
}

QString textetaux(double taux)
{
    const QString signe = std::signbit(taux) && taux != 0 ? QString() : QStringLiteral(" ");
    if (!std::isfinite(taux))
        return signe + QString::number(taux) + QStringLiteral(" %");
    return signe + ecrit(decompose(taux), u'.', false) + QStringLiteral(" %");
}

} // namespace calcul
