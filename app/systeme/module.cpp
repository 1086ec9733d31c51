// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/systeme/module.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// Le module à côté du programme (construction, mode portable), puis sous lib/brunelix et le
// dossier des bibliothèques de l'installation (lib/x86_64-linux-gnu/brunelix...).
std::string chemin()
{
    namespace fs = std::filesystem;
    std::error_code erreur;
    const fs::path dossier = fs::read_symlink("/proc/self/exe", erreur).parent_path();
    const fs::path libdir = BRUNELIX_LIBDIR;
    const fs::path candidats[] = {dossier / BRUNELIX_MODULE, dossier / ".." / "lib" / "brunelix" / BRUNELIX_MODULE,
                                  (libdir.is_absolute() ? libdir : dossier / ".." / libdir) / "brunelix" /
                                      BRUNELIX_MODULE};
    for (const fs::path &c : candidats)
        if (fs::is_regular_file(c, erreur))
            return c.lexically_normal().string();
    return candidats[0].string();
}

} // namespace

int lancemodule(int argc, char **argv)
{
    const std::string fichier = chemin();
    void *module = dlopen(fichier.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "Brunelix : module des fenêtres impossible à charger (%s).\n", dlerror());
        return 1;
    }
    using Entree = int (*)(int, char **);
    const auto entree = reinterpret_cast<Entree>(dlsym(module, BRUNELIX_ENTREE_MODULE));
    if (!entree) {
        std::fprintf(stderr, "Brunelix : module des fenêtres sans point d'entrée (%s).\n", dlerror());
        return 1;
    }
    return entree(argc, argv);
}
