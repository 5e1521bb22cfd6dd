#include "widgets/elements.h"

#include <QTextDocument>

void setLabelLook(QLabel* label, const LabelLook& look) {
    QFont font("Arial");
    font.setPixelSize(look.pixelSize);
    font.setBold(look.bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    label->setPalette(palette);
}

void setPlainToolTip(QWidget* element, const QString& text) {
    // A tooltip that looks like markup is shown as rich text; escaped and
    // made rich text for sure, it shows its characters as they are.
    element->setToolTip(text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
    element->setAccessibleDescription(text);
}

HotArea* makeHotArea(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* area = new HotArea(parent);
    area->setObjectName(name);
    placeTwips(area, left, top, width, height);
    return area;
}
