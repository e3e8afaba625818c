// SPDX-License-Identifier: MIT
// tessary: the desktop program.
#include "app/TessaryApp.h"

int main(int argc, char** argv) {
    CTessaryApp app(argc, argv);
    app.InitInstance();
    if (!app.MainWindow())
        return 0; // a hand-off ran its dialogs and is done
    return app.exec();
}
