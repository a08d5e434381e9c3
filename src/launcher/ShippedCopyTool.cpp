#include "launcher/ShippedCopy.h"

#include <iostream>

// The build's own copy of the shipped data into its application folder, by
// the rule the launcher keeps for players: rebuilding never overwrites what a
// game played there wrote.
// Usage: palabrino-copiar-datos SHIPPED FOLDER
int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "uso: palabrino-copiar-datos ORIGEN CARPETA\n";
        return 2;
    }
    try {
        // The help's sources are compiled into ayuda.chm instead.
        launcher::syncShipped(argv[1], argv[2], {"ayuda"});
    } catch (const std::filesystem::filesystem_error& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
