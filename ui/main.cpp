#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdlib>

#include "appidentity.h"
#include "big5text.h"
#include "bookargument.h"
#include "coremessages.h"
#include "errormsg.h"
#include "languagefolder.h"
#include "mainwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(applicationId());
    MainWindow window;
    try {
        // Beside the program in a build folder, under share/ when installed.
        window.setLangDir(LanguageFolder::locate(QApplication::applicationDirPath()));
        // The toolkit's translator, installed last, is consulted first.
        app.installTranslator(window.appTranslator());
        app.installTranslator(window.qtTranslator());
        QApplication::setQuitOnLastWindowClosed(true);
        window.initWindow();
        window.show();
        // Qt's own options are already taken out of argc and argv.
        if (argc == 2) window.openFile(bookPathFromArgument(QFile::decodeName(argv[1])));
        return app.exec();
    } catch (const KestLib::ErrorMsg& error) {
        // The window handles the core's errors of its own commands; one that
        // still gets here leaves the program in an unknown state, so it ends.
        QMessageBox::warning(&window, QObject::tr("Warning"), coreMessageText(error.message()));
        return EXIT_FAILURE;
    }
}
