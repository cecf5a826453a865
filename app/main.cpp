#include "Programm.h"

int main(int argc, char* argv[]) {
    return kalvorin::ProgrammAusfuehren(argc, argv);
}
