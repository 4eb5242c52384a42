#include "core/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
// A title bar and a frame, at the screen's own scale.
const QSize kFrame(16, 48);
} // namespace

QSize ScreenFit::bounded(const QSize &preferred)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return preferred;
    return preferred.boundedTo(screen->availableSize() - kFrame);
}
