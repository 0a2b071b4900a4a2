#include "ui/app/appidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "pennywellversion.h"

QString applicationId() { return QStringLiteral(PENNYWELL_APP_ID); }

QIcon applicationIcon() {
    // The build renders the icon into one resource folder per size, named
    // by the size; whatever sizes it chose are all offered.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = sizes.filePath(size + u'/' + applicationId() + QStringLiteral(".png"));
        const int pixels = size.toInt();
        if (pixels > 0 && QFile::exists(file)) icon.addFile(file, QSize(pixels, pixels));
    }
    return icon;
}

QString aboutText() {
    // The about box is the window's; its text is translated there.
    return QCoreApplication::translate("MainWindow",
                                       "<h2>Pennywell %1</h2>"
                                       "<p>Produced by"
                                       "<p>the Pennywell developers"
                                       "<p>Please report problems on the Pennywell project's issue tracker."
                                       "<p>Pennywell Tool")
               .arg(QStringLiteral(PENNYWELL_VERSION)) +
           // A paragraph of its own, so the box's first text stays as it was.
           QCoreApplication::translate("MainWindow",
                                       "<p>Pennywell is free software: you may share and change it under the "
                                       "GNU General Public License, version 3 or later.");
}
