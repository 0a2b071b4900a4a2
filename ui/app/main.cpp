#include "ui/app/appidentity.h"
#include "ui/app/commandline.h"
#include "ui/app/pennywellapplication.h"
#include "ui/book/bookpath.h"
#include "ui/languages/languagefolder.h"
#include "ui/window/mainwindow.h"

int main(int argc, char* argv[]) {
    // --help and --version need no display: they are answered before the toolkit starts.
    if (const auto text = CommandLine::answer(argc, argv)) return CommandLine::print(*text);
    // Ignores SIGXFSZ and ends the program on an error that escapes a handler.
    PennywellApplication app(argc, argv);
    // The same options after Qt's own ("-style fusion --help").
    if (const auto text = CommandLine::answer(argc, argv)) return CommandLine::print(*text);
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(applicationId());
    try {
        MainWindow window;
        // Beside the program in a build folder, under share/ when installed.
        window.setLangDir(LanguageFolder::locate(QApplication::applicationDirPath()));
        // The toolkit's translator, installed last, is consulted first.
        app.installTranslator(window.appTranslator());
        app.installTranslator(window.qtTranslator());
        QApplication::setQuitOnLastWindowClosed(true);
        window.initWindow();
        window.show();
        // Qt's own options are already taken out of argc and argv. The path
        // goes on as bytes: a name in a legacy encoding must still be found.
        if (argc == 2) window.openFile(BookPath::fromArgument(argv[1]));
        return app.exec();
    } catch (...) {
        // Outside any event: the window's start-up itself failed.
        app.endAfterEscapedError(std::current_exception());
    }
}
