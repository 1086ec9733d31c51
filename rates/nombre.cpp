// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/nombre.h"

#include <QString>

#include <charconv>
#include <cstdint>
#include <string>

namespace taux {

namespace {

bool blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

int chiffre(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Entier &H / &O : 16 bits signés s'il y tient, sinon 32 bits signés.
std::optional<double> entierbase(const std::string &s, std::size_t i, int base)
{
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const int d = chiffre(s[i], base);
        if (d < 0)
            break;
        v = v * base + d;
        if (v > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (v <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

} // namespace

std::optional<double> valnombre(std::string_view texte)
{
    std::string s;
    s.reserve(texte.size() < 64 ? texte.size() : 64);
    for (std::size_t k = 0; k < texte.size(); ++k) {
        if (blanc(texte[k]))
            continue;
        s.push_back(texte[k]);
    }

    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const char p = s[1];
        if (p == 'H' || p == 'h')
            return entierbase(s, 2, 16);
        if (p == 'O' || p == 'o')
            return entierbase(s, 2, 8);
        if (chiffre(p, 8) >= 0)
            return entierbase(s, 1, 8);
        return 0.0;
    }

    // Mantisse : signe, chiffres, un point, chiffres.
    std::string n;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            n.push_back('-');
        ++i;
    }
    long entiers = 0; // chiffres significatifs avant le point
    bool chiffres = false;
    bool nonnul = false;
    for (; i < s.size() && chiffre(s[i], 10) >= 0; ++i) {
        chiffres = true;
        if (s[i] != '0')
            nonnul = true;
        if (nonnul)
            ++entiers;
        n.push_back(s[i]);
    }
    long zerosapres = 0; // zéros de tête après le point quand la partie entière est nulle
    if (i < s.size() && s[i] == '.') {
        n.push_back('.');
        for (++i; i < s.size() && chiffre(s[i], 10) >= 0; ++i) {
            chiffres = true;
            if (s[i] != '0')
                nonnul = true;
            else if (!nonnul)
                ++zerosapres;
            n.push_back(s[i]);
        }
    }
    if (!chiffres)
        return 0.0;

    // Exposant : E ou D, signe facultatif, au moins un chiffre.
    long exposant = 0;
    const bool d = i < s.size() && (s[i] == 'D' || s[i] == 'd');
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || d)) {
        std::size_t j = i + 1;
        bool negatif = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negatif = s[j++] == '-';
        if (j < s.size() && chiffre(s[j], 10) >= 0) {
            for (; j < s.size() && chiffre(s[j], 10) >= 0; ++j)
                if (exposant < 100000)
                    exposant = exposant * 10 + (s[j] - '0');
            if (negatif)
                exposant = -exposant;
        }
    }
    n += 'e';
    n += std::to_string(exposant);

    double v = 0;
    const auto [fin, err] = std::from_chars(n.data(), n.data() + n.size(), v);
    (void)fin;
    if (err == std::errc::result_out_of_range) {
        if (!nonnul)
            return n[0] == '-' ? -0.0 : 0.0;
        const long ordre = (entiers > 0 ? entiers : -zerosapres) + exposant;
        if (ordre > 0)
            return std::nullopt;         // dépassement
        return n[0] == '-' ? -0.0 : 0.0; // trop petit : zéro
    }
    if (err != std::errc())
        return 0.0;
    return v;
}

std::optional<double> valnombre(const QString &texte)
{
    const QByteArray octets = texte.toUtf8();
    return valnombre(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

} // namespace taux
