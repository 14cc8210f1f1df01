// Writes a made-up list in FIDE's TXT layout: krugovik_make_fide_list FILE [PLAYERS]
// (1,600,000 by default, the size of FIDE's monthly list).
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "tools/fide_list_generator.h"

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::cerr << "usage: krugovik_make_fide_list FILE [PLAYERS]\n";
        return 2;
    }
    const long long count = argc > 2 ? std::atoll(argv[2]) : 1600000;
    std::ofstream out(argv[1], std::ios::binary);
    krugovik::tools::writeFideList(out, count);
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
