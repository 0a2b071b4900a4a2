#include "ui/prompts/scrollingreportbox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

#include "ui/prompts/reportfit.h"

ScrollingReportBox::ScrollingReportBox(QWidget* parent, const QString& caption, std::unique_ptr<QTextDocument> text,
                                       const QString& chartButton, const QSize& available)
    : QDialog(parent) {
    setWindowTitle(caption);

    auto* icon = new QLabel(this);
    // The message box's own information icon, at its size.
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                        .pixmap(QSize(iconSize, iconSize), devicePixelRatio()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    // Read only, unwrapped, on the box's own background, as the message
    // box's label shows it; the text isn't laid out a second time.
    view = new QTextEdit(this);
    view->setObjectName(QStringLiteral("reportText"));
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setLineWrapMode(QTextEdit::NoWrap);
    view->setFont(text->defaultFont());
    QPalette colours = view->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    view->setPalette(colours);
    const QSizeF textSize = text->size();
    text->setParent(view);
    view->setDocument(text.release());
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes, this);
    QPushButton* yes = buttons->button(QDialogButtonBox::Yes);
    yes->setDefault(true);
    yes->setFocus();
    if (!chartButton.isEmpty()) chart = buttons->addButton(chartButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::clicked, this, [this](QAbstractButton* button) {
        clicked = button;
        accept();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0);
    grid->addWidget(view, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    // As big as the text asks, scroll bars included, and no bigger than the
    // screen allows; what is left over scrolls.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    const QSize wanted =
        QSize(static_cast<int>(std::ceil(textSize.width())), static_cast<int>(std::ceil(textSize.height()))) +
        QSize(bar, bar) + ReportFit::aroundText();
    resize(wanted.boundedTo(available - ReportFit::frameRoom()));
}
