// For the kill test: starts as the clock does (removing the leftovers of
// writers that were killed), then replaces the options file over and over with
// two contents of different lengths until it is killed. With "--start-only" it
// stops after the start.
#include <cstring>
#include <iostream>
#include <string>

#include "base/ErrorText.h"
#include "base/FileReplace.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: talvorin_write_loop <file> [--start-only]\n";
        return 2;
    }
    const std::string path = argv[1];
    try {
        talvorin::removeLeftoverTemporaries(path);
        if (argc > 2 && std::strcmp(argv[2], "--start-only") == 0) return 0;
        const std::string versions[] = {std::string(293, 'a') + "\r\n", std::string(4000, 'b')};
        for (unsigned i = 0;; ++i) talvorin::replaceFile(path, versions[i % 2]);
    } catch (...) {
        std::cerr << "talvorin_write_loop: " << talvorin::describeCurrentException() << "\n";
        return 1;
    }
}
