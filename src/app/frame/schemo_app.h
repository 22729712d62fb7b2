#pragma once
// The program's life: start-up in its order, the main loop, the end.
int RunTavolin(int argc, char** argv);
