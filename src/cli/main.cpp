#include "cli/Command.h"

int main(int argc, char* argv[])
{
    return tallyhand::cli::runCommandLine(argc, argv);
}
