// The program's picture: a sealed envelope, drawn at run time so no image
// file has to ship. Used as the window icon and on the main window's button.
#pragma once

#include <QIcon>

namespace ombrel {

QIcon EnvelopeIcon();

}  // namespace ombrel
