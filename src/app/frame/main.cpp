#include "app/frame/schemo_app.h"

int main(int argc, char** argv) {
    return RunTavolin(argc, argv);
}
