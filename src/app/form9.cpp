#include "app/form9.h"

#include "app/form3.h"
#include "app/program.h"

void Form9::Form_Load() {
    // The folder chores (left-over setup script, folder icon) belong here,
    // before the controller window exists.

    // Creating the hidden controller runs its whole load.
    program_.form3();
}
