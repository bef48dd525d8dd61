// The window program that quendar starts for the window and for screenshots.
// This stand-in holds the place until the calculator window is built; it
// takes the same arguments the real one will: none, or --screenshot FILE.png.

#include <cstdio>

int main() {
    std::fputs("The calculator window is not built yet\n", stderr);
    return 1;
}
