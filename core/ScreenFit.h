#pragma once

#include <QSize>

// Window sizes that fit the screen: a window asks for its preferred size and gets at most what the
// primary screen leaves free, less room for the title bar and frame.
namespace ScreenFit {
QSize bounded(const QSize &preferred);
}
