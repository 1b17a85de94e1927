// The process entry on Linux: the command line is not passed on, as the program takes none.
#include "platform/entry.h"

int main() {
    static char emptyCommandLine[] = "";
    return WinMain(nullptr, nullptr, emptyCommandLine, 1);
}
