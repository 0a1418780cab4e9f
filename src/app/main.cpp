#include "RunEditor.h"

int main(int argc, char* argv[]) { return quandrel::runEditor(argc, argv); }
