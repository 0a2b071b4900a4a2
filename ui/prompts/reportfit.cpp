#include "ui/prompts/reportfit.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace {

// The text as a label shows it: rich text when it looks like it, in the
// message box's font, without a margin.
std::unique_ptr<QTextDocument> layOut(const QString& text, QTextOption::WrapMode wrap) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QApplication::font("QMessageBox"));
    document->setDocumentMargin(0);
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(wrap);
    document->setDefaultTextOption(option);
    if (Qt::mightBeRichText(text))
        document->setHtml(text);
    else
        document->setPlainText(text);
    return document;
}

QSize sizeOf(const QTextDocument& document) {
    const QSizeF size = document.size();
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

}  // namespace

ReportFit::ReportFit(const QString& text) : text(text), document(layOut(text, QTextOption::NoWrap)) {
    // Unwrapped, a page of no width holds every line and table at its full width.
    document->setTextWidth(0);
    natural = sizeOf(*document);
}

ReportFit::~ReportFit() = default;

std::unique_ptr<QTextDocument> ReportFit::takeDocument() { return std::move(document); }

QSize ReportFit::aroundText() {
    QStyle* style = QApplication::style();
    const int margins =
        style->pixelMetric(QStyle::PM_LayoutLeftMargin) + style->pixelMetric(QStyle::PM_LayoutRightMargin);
    const int spacing = std::max(style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing), 6);
    const int icon = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    const int buttons = QPushButton(QStringLiteral("Yes")).sizeHint().height();
    return {margins + icon + 2 * spacing, style->pixelMetric(QStyle::PM_LayoutTopMargin) +
                                              style->pixelMetric(QStyle::PM_LayoutBottomMargin) + 2 * spacing +
                                              buttons};
}

QSize ReportFit::frameRoom() { return {16, 48}; }

bool ReportFit::fits(const QSize& available) const {
    const QSize room = available - frameRoom() - aroundText();
    if (natural.width() > room.width() || natural.height() > room.height()) return false;
    // The message box wraps a text wider than half the screen (at most 500
    // pixels) down to that width, and breaks words anywhere to keep under
    // its own width limit: then the table's columns no longer show whole.
    const int screenWidth = available.width();
    const int softLimit = std::min(screenWidth / 2, 500) - aroundText().width();
    const int hardLimit =
        (screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000)) - aroundText().width();
    if (natural.width() <= softLimit) return true;
    const std::unique_ptr<QTextDocument> wrapped = layOut(text, QTextOption::WordWrap);
    // On a page of no width, its longest words and table cells side by side.
    wrapped->setTextWidth(0);
    const int narrowest = sizeOf(*wrapped).width();
    if (narrowest > hardLimit) return false;
    // Where the box wraps it narrowest, the text is at its tallest.
    wrapped->setTextWidth(std::min(natural.width(), std::max(softLimit, narrowest)));
    return sizeOf(*wrapped).height() <= room.height();
}
