// libFuzzer target over the picture loader: the input is read as a picture file, at
// its own size and at the largest size the board decodes to, as the game does. Any
// crash, sanitizer report, leak, or an input that runs past the time limit fails.

#include <QBuffer>
#include <QByteArray>
#include <QSize>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

#include "picture.h"

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool silenced = (qInstallMessageHandler(quiet), true);
    Q_UNUSED(silenced);
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    for (const QSize &target : {QSize(), QSize(660, 660)}) {
        const pictures::LoadedPicture picture = pictures::DecodePicture(file, target);
        if (picture.ok() == picture.reason.isEmpty())
            continue;
        __builtin_trap(); // a picture and a reason, or neither: the loader contradicts itself
    }
    return 0;
}
