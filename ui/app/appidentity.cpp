#include "app/appidentity.h"

#include <QDir>
#include <QFile>

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
