// SPDX-License-Identifier: MIT
// tessary: the desktop program. `tessary FILE...` opens the window on the
// files, as a file manager's "Open With" does.
#include "app/TessaryApp.h"
#include "platform/FileName.h"
#include "platform/UiText.h"
#include "settings/AppIdentity.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr UiText kUsage =
    TrText("tessary", "Usage: tessary [--] [FILE...]\n"
                      "       tessary --help | --version\n"
                      "Opens the picture browser; given files, it shows their folder with\n"
                      "the pictures marked and the first one previewed.\n");
} // namespace

int main(int argc, char** argv) {
    LoadTranslations();
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage.toString().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tessary %s\n", qPrintable(AppText::VersionText));
        return 0;
    }
    CTessaryApp app(argc, argv);
    // Qt has taken its own options out of argv by now.
    QStringList files = DecodeArguments(argc, argv);
    // "--" ends the options, for a file whose name starts with '-'.
    if (!files.isEmpty() && files.first() == QLatin1String("--"))
        files.removeFirst();
    app.InitInstance(files);
    if (!app.MainWindow())
        return 0; // a hand-off ran its dialogs and is done
    return app.exec();
}
