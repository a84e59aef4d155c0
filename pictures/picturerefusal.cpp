#include "picturerefusal.h"

#include <QCoreApplication>

namespace pictures {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("PictureRefusal", text);
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

} // namespace

QString refusalText(Refusal reason, const RefusalDetails &details)
{
    switch (reason) {
    case Refusal::NotFound:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "ファイルが見つかりません。"));
    case Refusal::LinkLoop:
        return translated(
            QT_TRANSLATE_NOOP("PictureRefusal", "リンクがたどれません（循環しています）。"));
    case Refusal::NotAllowed:
        return translated(QT_TRANSLATE_NOOP(
            "PictureRefusal", "ファイルを開けません：読み取りが許可されていません。"));
    case Refusal::CannotOpen:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "ファイルを開けません。"));
    case Refusal::Folder:
        return translated(
            QT_TRANSLATE_NOOP("PictureRefusal", "フォルダーは画像として読み込めません。"));
    case Refusal::NotRegularFile:
        return translated(QT_TRANSLATE_NOOP(
            "PictureRefusal",
            "通常のファイルではないため読み込めません（パイプ、デバイスなど）。"));
    case Refusal::NotPictureName:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "画像ファイル（%1）ではありません。"))
            .arg(details.names);
    case Refusal::Empty:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "ファイルが空です。"));
    case Refusal::FileTooLarge:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "ファイルが大きすぎます（%1 MB）。"))
            .arg(details.megabytes);
    case Refusal::UnknownFormat:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal",
                                            "対応していない形式のファイルです"
                                            "（読み込めるのは BMP、ICO、GIF、JPEG、PNG です）。"));
    case Refusal::Damaged:
        return translated(QT_TRANSLATE_NOOP(
            "PictureRefusal", "画像として読み込めません：画像の情報が壊れています。"));
    case Refusal::CutOff:
        return translated(
            QT_TRANSLATE_NOOP("PictureRefusal", "画像ファイルが途中で切れています。"));
    case Refusal::TooLittleData:
        return translated(QT_TRANSLATE_NOOP(
                              "PictureRefusal",
                              "画像ファイルのデータが、書かれている大きさ（%1）に足りません。"))
            .arg(sizeText(details.size));
    case Refusal::AbsurdSize:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "画像の大きさが異常です（%1）。"))
            .arg(sizeText(details.size));
    case Refusal::ImpossibleBitCount:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal",
                                            "画像の色の深さが異常です（1 画素 %1 ビット）。"))
            .arg(details.bitsPerPixel);
    case Refusal::TooLargeToDecode:
        return translated(
                   QT_TRANSLATE_NOOP("PictureRefusal",
                                     "画像が大きすぎて読み込めません（%1、約 %2 MB 必要です）。"))
            .arg(sizeText(details.size))
            .arg(details.megabytes);
    case Refusal::CannotRead:
        return translated(QT_TRANSLATE_NOOP("PictureRefusal", "ファイルを読めません。"));
    case Refusal::Undecodable:
        return translated(QT_TRANSLATE_NOOP(
            "PictureRefusal", "画像として読み込めません：画像のデータが壊れています。"));
    case Refusal::OutOfMemory:
        return translated(
            QT_TRANSLATE_NOOP("PictureRefusal", "画像を展開する記憶域が足りません。"));
    case Refusal::Unreadable:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("PictureRefusal", "画像として読み込めません。"));
}

QString refusalPrompt(const QString &path, const QString &reason)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString prompt =
        translated(QT_TRANSLATE_NOOP("PictureRefusal", "画像を読み込めませんでした。")) +
        lineBreak + path;
    if (!reason.isEmpty())
        prompt += lineBreak + reason;
    return prompt;
}

} // namespace pictures
