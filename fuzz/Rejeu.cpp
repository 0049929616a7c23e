// SPDX-License-Identifier: GPL-3.0-or-later
// Each harness linked into the programs' own build: its seeds and kept regressions run once,
// without clang, under CTest and under the sanitizers of "make test-sanitizers". A folder that
// does not exist is skipped (a target need not have regressions); a broken property aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> Fichiers(const std::filesystem::path& dossier) {
    std::vector<std::filesystem::path> fichiers;
    if (!std::filesystem::is_directory(dossier)) return fichiers;
    for (const auto& entree : std::filesystem::directory_iterator(dossier))
        if (entree.is_regular_file()) fichiers.push_back(entree.path());
    std::sort(fichiers.begin(), fichiers.end());
    return fichiers;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int rejoues = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& fichier : Fichiers(argv[i])) {
            std::ifstream entree(fichier, std::ios::binary);
            const std::vector<char> octets{std::istreambuf_iterator<char>(entree), {}};
            std::fprintf(stderr, "%s\n", fichier.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(octets.data()), octets.size());
            ++rejoues;
        }
    std::printf("%d passed, 0 failed\n", rejoues);
    // No input at all means the seed folder is missing: the target would replay nothing.
    return rejoues > 0 ? 0 : 1;
}
