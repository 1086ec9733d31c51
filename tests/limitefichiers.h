// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Disque plein simulé le temps d'une portée : un fichier ne dépasse plus 8 octets (RLIMIT_FSIZE,
// SIGXFSZ ignoré : l'écriture échoue). Limite et signal rétablis ensuite.
#include <csignal>
#include <sys/resource.h>

struct LimiteFichiers
{
    LimiteFichiers() : signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &avant);
        const rlimit r{8, avant.rlim_max};
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteFichiers() { setrlimit(RLIMIT_FSIZE, &avant), std::signal(SIGXFSZ, signal); }
    void (*signal)(int);
    rlimit avant{};
};
