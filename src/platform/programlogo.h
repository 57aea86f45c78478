#pragma once

#include <QPixmap>

// The program's icon drawn small, as the start window shows it; decoded once.
QPixmap programLogo();
