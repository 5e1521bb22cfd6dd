#include "widgets/picture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap picture(const QString& name) {
    QSvgRenderer renderer(":/" + name);
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
