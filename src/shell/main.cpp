#include "Application.h"

int main(int argc, char** argv) {
    return rv::ui::RunApplication(argc, argv);
}
