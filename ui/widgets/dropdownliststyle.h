#pragma once

#include <QProxyStyle>

// The application's style, except that a combo box's list drops down below
// the box instead of popping up over it. Before it pops up over the box, the
// toolkit measures every item of the list; a box of a million items would
// keep the user waiting for seconds each time it opens.
class DropDownListStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
