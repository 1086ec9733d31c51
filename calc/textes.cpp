// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/textes.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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
        d.chiffres.push_back('0');
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

// Chiffres d'un entier de centimes, trois au moins (« 005 »), écrits dans tampon (24 caractères) ;
// rend la position du premier.
int chiffresentiers(std::uint64_t absolu, char *tampon, int &fin)
{
    tampon[0] = tampon[1] = '0';
    fin = static_cast<int>(std::to_chars(tampon + 2, tampon + 24, absolu).ptr - tampon);
    return std::min(2, fin - 3);
}

// Centimes du motif « 0.00 » d'un nombre fini : chiffres[debut, fin[, trois au moins, et signe.
struct Centimes
{
    char chiffres[320];
    int debut = 0;
    int fin = 0;
    bool moins = false;
};

Centimes centimesde(double valeur)
{
    Centimes c;
    // Double le plus proche d'un entier K de centimes, |K| < 10^15 : ses 15 chiffres significatifs
    // sont exactement K / 100, car l'écart au double (un demi-ulp, moins de 1,2e-16 en relatif)
    // reste sous le demi-pas de la 15e décimale (plus de 5e-16). K s'écrit alors tel quel.
    const double k = std::nearbyint(valeur * 100);
    if (std::fabs(k) < 1e15 && k / 100 == valeur) {
        c.debut = chiffresentiers(static_cast<std::uint64_t>(std::fabs(k)), c.chiffres, c.fin);
        c.moins = k < 0;
        return c;
    }
    // Sinon les 15 chiffres significatifs arrondis au centime, moitié en s'éloignant de zéro ; un
    // chiffre de tête de réserve pour la retenue, puis au plus 309 chiffres entiers et 2 décimales.
    const Decimal d = decompose(valeur);
    const int nd = static_cast<int>(d.chiffres.size());
    const int garde = d.exposant + 3; // chiffres jusqu'aux centièmes
    char *const centimes = c.chiffres;
    int n = 1;
    centimes[0] = '0';
    for (int i = 0; i < garde; ++i)
        centimes[n++] = i < nd ? d.chiffres[static_cast<std::size_t>(i)] : '0';
    if (garde >= 0 && garde < nd && d.chiffres[static_cast<std::size_t>(garde)] >= '5') {
        int i = n - 1;
        for (; centimes[i] == '9'; --i)
            centimes[i] = '0';
        ++centimes[i];
    }
    // Zéros de tête ôtés, trois chiffres au moins (« 0 », puis deux décimales).
    int debut = 0;
    while (debut < n - 3 && centimes[debut] == '0')
        ++debut;
    if (n - debut < 3) {
        std::copy_backward(centimes + debut, centimes + n, centimes + 3);
        std::fill(centimes, centimes + 3 - (n - debut), '0');
        debut = 0;
        n = 3;
    }
    c.debut = debut;
    c.fin = n;
    c.moins = d.negatif && !std::all_of(centimes + debut, centimes + n, [](char x) { return x == '0'; });
    return c;
}

// Motif « 0.00 » avec « . » dans texte (330 caractères) ; rend la longueur.
int ecritcentimes(const Centimes &c, char *texte)
{
    char *d = texte;
    if (c.moins)
        *d++ = '-';
    d = std::copy(c.chiffres + c.debut, c.chiffres + c.fin - 2, d);
    *d++ = '.';
    d = std::copy(c.chiffres + c.fin - 2, c.chiffres + c.fin, d);
    return static_cast<int>(d - texte);
}

// Signe, chiffres des unités, séparateur et deux décimales.
QString assemble(bool moins, const char *chiffres, int n, const QString &separateur)
{
    const QString signe = moins ? QStringLiteral("-") : QString();
    return signe + QLatin1String(chiffres, n - 2) + separateur + QLatin1String(chiffres + n - 2, 2);
}

} // namespace

QString textecellule(double valeur, const QLocale &regional)
{
    return textecellule(valeur, regional.decimalPoint());
}

QString textecellule(double valeur, const QString &separateur)
{
    QString s;
    textecellule(valeur, separateur, s);
    return s;
}

void textecellule(double valeur, const QString &separateur, QString &cible)
{
    if (!std::isfinite(valeur)) {
        cible = QString::number(valeur);
        return;
    }
    const Centimes c = centimesde(valeur);
    if (separateur.size() != 1) {
        const QString s = assemble(c.moins, c.chiffres + c.debut, c.fin - c.debut, separateur);
        if (s != cible)
            cible = s;
        return;
    }
    char texte[330];
    const int n = ecritcentimes(c, texte);
    // Séparateur d'un caractère : comparé, puis écrit en place (sans allocation quand la chaîne
    // n'est pas partagée et a déjà la place).
    const QChar sep = separateur.front();
    const auto caractere = [&](int i) { return i == n - 3 ? sep : QChar(QLatin1Char(texte[i])); };
    bool pareil = cible.size() == n;
    for (int i = 0; pareil && i < n; ++i)
        pareil = cible.at(i) == caractere(i);
    if (pareil)
        return;
    cible.resize(n);
    QChar *d = cible.data();
    for (int i = 0; i < n; ++i)
        d[i] = caractere(i);
}

std::optional<qint64> centimes(double valeur)
{
    if (!std::isfinite(valeur))
        return std::nullopt;
    const Centimes c = centimesde(valeur);
    if (c.fin - c.debut > 18)
        return std::nullopt;
    qint64 k = 0;
    std::from_chars(c.chiffres + c.debut, c.chiffres + c.fin, k);
    return c.moins ? -k : k;
}

QString textecentimes(qint64 centimes, const QString &separateur)
{
    const std::uint64_t absolu = centimes < 0 ? 0 - static_cast<std::uint64_t>(centimes) : centimes;
    char tampon[24];
    int fin = 0;
    const int debut = chiffresentiers(absolu, tampon, fin);
    return assemble(centimes < 0, tampon + debut, fin - debut, separateur);
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
