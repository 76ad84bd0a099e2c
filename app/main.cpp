#include "app/startup.h"

int main(int argc, char** argv) { return kopira::startup::run(argc, argv); }
