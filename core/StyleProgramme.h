// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The desktop's own style, with the menu bar's overflow arrow drawn by code. The style would read
// that arrow from three pictures as each menu bar is built, and the first picture read loads
// every image plugin Qt has: milliseconds that every start would pay for an arrow the menu bar
// shows only when its entries do not fit.
class StyleProgramme : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icone, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
