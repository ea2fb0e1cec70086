#include "ui/common/artwork.h"

#include <QPainter>

namespace vorlane {

QIcon ToolIcon(ToolPicture picture) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(static_cast<int>(picture)));
    return QIcon(pixmap);
}

QPixmap ProgramLogo(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    return pixmap;
}

QPixmap BackgroundTile() {
    QPixmap pixmap(96, 96);
    pixmap.fill(QColor(192, 192, 192));
    return pixmap;
}

} // namespace vorlane
