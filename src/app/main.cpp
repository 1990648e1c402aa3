// jamlog entry point. Until the saver window exists it offers the layout check of the built layouts.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--check-layouts") == 0) {
        std::printf("layout check: no layout routines are built yet\n");
        return 0;
    }
    std::fprintf(stderr, "jamlog: unknown argument '%s'\n", argc > 1 ? argv[1] : "");
    return 2;
}
