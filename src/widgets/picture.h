#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// A picture the executable carries, drawn at its own size.
QPixmap picture(const QString& name);

// An icon the executable carries, drawn at the sizes desktops ask for, at
// twice those for HiDPI screens.
QIcon iconPicture(const QString& name);
