// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Disque plein simulé le temps d'une portée : un fichier ne grandit plus au-delà de quelques
// octets (RLIMIT_FSIZE, SIGXFSZ ignoré : l'écriture échoue). Limite et signal rétablis ensuite.

#include <csignal>
#include <sys/resource.h>

class LimiteFichiers
{
public:
    explicit LimiteFichiers(rlim_t octets = 8) : signal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit r = avant_;
        r.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteFichiers()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteFichiers(const LimiteFichiers &) = delete;
    LimiteFichiers &operator=(const LimiteFichiers &) = delete;

private:
    void (*signal_)(int);
    rlimit avant_{};
};
