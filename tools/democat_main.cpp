// mcb-democat OUT.cbf: writes the demo catalogue shipped with the program; tools/make-demo.sh
// rebuilds examples/ with it (catalogue and covers).
#include <cstdio>

#include "demo/DemoCatalogue.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: mcb-democat OUT.cbf\n", stderr);
        return 2;
    }
    return mcb::demo::WriteDemoCatalogue(argv[1]) ? 0 : 1;
}
