#include "windowicon.h"

#include <QIconEngine>
#include <QPixmap>

namespace platform {
namespace {

// Not a null icon, which would let the application's icon stand in, yet every picture
// asked of it is empty.
class NoPictureEngine : public QIconEngine
{
public:
    void paint(QPainter *, const QRect &, QIcon::Mode, QIcon::State) override {}
    QPixmap pixmap(const QSize &, QIcon::Mode, QIcon::State) override { return {}; }
    QIconEngine *clone() const override { return new NoPictureEngine; }
    bool isNull() override { return false; }
};

} // namespace

QIcon noWindowIcon()
{
    return QIcon(new NoPictureEngine);
}

} // namespace platform
