#include "Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Batch decodes stream millions of lines; the C stdio sync would halve their speed.
    std::ios::sync_with_stdio(false);
    return quandrel::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
