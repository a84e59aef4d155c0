#pragma once

// The layout's fonts mapped onto installed fonts that carry Japanese glyphs:
// "ＭＳ 明朝" to IPA Mincho, "ＭＳ ゴシック" to IPA Gothic, "ＭＳ Ｐゴシック" to
// IPA PGothic and "Times New Roman" to Liberation Serif. Sizes are converted from
// points at the game's fixed 96 pixels per inch, so text keeps its layout size.

#include <QFont>

namespace platform {

QFont layoutFont(const QString &faceName, double points, bool bold = false, bool italic = false);

// The installed family that stands for a layout face name.
QString installedFamily(const QString &faceName);

} // namespace platform
