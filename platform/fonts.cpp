#include "fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cmath>

namespace platform {
namespace {

struct FaceMapping
{
    const char16_t *faceName;
    const char *family;
    QFont::StyleHint hint;
    bool japanese;
};

// The faces the layouts name, and the free fonts with the same metrics and glyphs.
constexpr FaceMapping Mappings[] = {
    {u"ＭＳ 明朝", "IPAMincho", QFont::Serif, true},
    {u"ＭＳ ゴシック", "IPAGothic", QFont::SansSerif, true},
    {u"ＭＳ Ｐゴシック", "IPAPGothic", QFont::SansSerif, true},
    {u"Times New Roman", "Liberation Serif", QFont::Serif, false},
};

const FaceMapping *findMapping(const QString &faceName)
{
    for (const FaceMapping &mapping : Mappings) {
        if (faceName == QString::fromUtf16(mapping.faceName))
            return &mapping;
    }
    return nullptr;
}

bool isInstalled(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

QString installedFamily(const QString &faceName)
{
    if (const FaceMapping *mapping = findMapping(faceName)) {
        const QString family = QString::fromLatin1(mapping->family);
        if (isInstalled(family))
            return family;
        // Without the IPA fonts any font that writes Japanese keeps the texts legible.
        const QStringList japaneseFamilies = QFontDatabase::families(QFontDatabase::Japanese);
        if (mapping->japanese && !japaneseFamilies.isEmpty())
            return japaneseFamilies.first();
        return family;
    }
    if (!faceName.isEmpty() && isInstalled(faceName))
        return faceName;
    return QGuiApplication::font().family();
}

QFont layoutFont(const QString &faceName, double points, bool bold, bool italic)
{
    QFont font(installedFamily(faceName));
    const FaceMapping *mapping = findMapping(faceName);
    // The style hint lets fontconfig pick a font with Japanese glyphs of the right kind
    // should the chosen family be missing after all.
    font.setStyleHint(mapping ? mapping->hint : QFont::AnyStyle);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace platform
