#include "support/GuiTestMain.h"

int main(int argc, char** argv) {
    return rv::test::RunGuiTests(argc, argv);
}
