// main.cpp: velmo-extract, the picture scanner as a console tool.
#include "console/ExtractCommand.h"

#include <iostream>

int main(int argc, char* argv[])
{
    return RunExtractCommand(argc, argv, std::cout, std::cerr);
}
