#pragma once

// The icon of a window whose layout gives it none. A window without an icon of its own
// would show the application's icon; this one is there but holds no picture, so the
// window system shows none for it.

#include <QIcon>

namespace platform {

QIcon noWindowIcon();

} // namespace platform
