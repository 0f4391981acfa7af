#include "tools/BaseTool.h"

#include <iostream>

int main(int argc, char** argv) {
    return BaseTool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
