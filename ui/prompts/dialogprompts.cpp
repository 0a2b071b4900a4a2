#include "ui/prompts/dialogprompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>

#include "ui/prompts/dbnamedialog.h"
#include "ui/prompts/reportfit.h"
#include "ui/prompts/scrollingreportbox.h"
#include "ui/prompts/waitingbox.h"
#include "ui/prompts/warnuser.h"

namespace {
// Without a recent book the file dialogs start in the current directory.
QString startFolder(const QString& folder) { return folder.isEmpty() ? QStringLiteral(".") : folder; }
}  // namespace

UserPrompts::SaveChoice DialogPrompts::askSaveChanges(QWidget* parent, const QString& caption, const QString& text) {
    const auto answer = QMessageBox::warning(
        parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes: return SaveChoice::Save;
    case QMessageBox::No: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

bool DialogPrompts::askOverwrite(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::warning(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool DialogPrompts::askConvert(QWidget* parent, const QString& caption, const QString& text,
                               const QString& convertButton) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Cancel, parent);
    QPushButton* convert = box.addButton(convertButton, QMessageBox::AcceptRole);
    box.setDefaultButton(convert);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == convert;
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QString(), startFolder(folder), filter);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& filter, const QString& folder) {
    // The window asks its own overwrite question, about the file really written.
    return QFileDialog::getSaveFileName(parent, QString(), startFolder(folder), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

UserPrompts::FileChoice DialogPrompts::chooseDataFile(QWidget* parent, bool forSaving, const QStringList& filters,
                                                      const QString& start) {
    QString selected = filters.value(0);
    const QString joined = filters.join(QStringLiteral(";;"));
    // An export may replace a file; the dialog's own question guards that.
    const QString path = forSaving
                             ? QFileDialog::getSaveFileName(parent, QString(), startFolder(start), joined, &selected)
                             : QFileDialog::getOpenFileName(parent, QString(), startFolder(start), joined, &selected);
    return {path, static_cast<int>(std::max<qsizetype>(0, filters.indexOf(selected)))};
}

UserPrompts::NameAnswer DialogPrompts::askDatabaseName(QWidget* parent, const QString& presetName, int format,
                                                       const NameRoom& room) {
    DBNameDialog dialog(parent);
    dialog.setPrompts(this);
    dialog.setFormat(format);
    dialog.setRoom(room);
    dialog.setDBName(presetName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return {accepted, dialog.dbName()};
}

void DialogPrompts::warn(QWidget* parent, const QString& caption, const QString& text, const QString& details) {
    showWarningBox(parent, caption, text, details);
}

bool DialogPrompts::waitUntil(QWidget* parent, const QString& caption, const QString& text,
                              const std::function<bool()>& ready) {
    WaitingBox box(parent, caption, text);
    return box.waitUntil(ready);
}

void DialogPrompts::inform(QWidget* parent, const QString& caption, const QString& text) {
    showReport(parent, caption, text, QString());
}

void DialogPrompts::tell(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogPrompts::informWithChart(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& chartButton) {
    return showReport(parent, caption, text, chartButton);
}

bool DialogPrompts::showReport(QWidget* parent, const QString& caption, const QString& text,
                               const QString& chartButton) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const QString shown = shownReport(text);
    ReportFit fit(shown);
    if (fit.fits(available)) {
        QMessageBox box(QMessageBox::Information, caption, shown, QMessageBox::Yes, parent);
        QPushButton* chart = chartButton.isEmpty() ? nullptr : box.addButton(chartButton, QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Yes);
        runReportBox(box);
        return chart && box.clickedButton() == chart;
    }
    ScrollingReportBox box(parent, caption, fit.takeDocument(), chartButton, available);
    runReportBox(box);
    return box.chartButton() && box.clickedButton() == box.chartButton();
}

QString DialogPrompts::shownReport(const QString& text) {
    // Chinese characters, drawn in a taller font than the digits beside
    // them, would otherwise touch the cells' borders and sit lower than the
    // numbers of their row.
    if (!Qt::mightBeRichText(text)) return text;
    return QStringLiteral("<style>td { padding: 2px 6px; vertical-align: middle; white-space: nowrap; }</style>") +
           text;
}

void DialogPrompts::runReportBox(QDialog& box) { box.exec(); }

bool DialogPrompts::runDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }
