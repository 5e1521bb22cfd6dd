#include "widgets/elements.h"

void setLabelLook(QLabel* label, const LabelLook& look) {
    QFont font("Arial");
    font.setPixelSize(look.pixelSize);
    font.setBold(look.bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    label->setPalette(palette);
}

HotArea* makeHotArea(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* area = new HotArea(parent);
    area->setObjectName(name);
    placeTwips(area, left, top, width, height);
    return area;
}
