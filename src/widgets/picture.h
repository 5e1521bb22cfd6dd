#pragma once

#include <QPixmap>
#include <QString>

// A picture the executable carries, drawn at its own size.
QPixmap picture(const QString& name);
