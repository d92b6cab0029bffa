#include "gui/views/MediaPictures.h"

#include "core/model/MediaFiles.h"
#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"
#include "gui/platform/Messages.h"
#include "gui/platform/UrlOpener.h"
#include "qtcore/platform/QtText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Beyond these a picture is "too large to show": a scan of a few hundred
// megapixels would take the memory of many pages.
constexpr qint64 kMaxPictureBytes = qint64(256) << 20;
constexpr qint64 kMaxPicturePixels = qint64(120) << 20;

CPictureRead Problem(int nProblem)
{
    return {QImage(), nProblem};
}

CPictureRead ReadFrom(QIODevice& device, int nPixels)
{
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return Problem(IDS_MEDIA_CANNOT_SHOW);
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        return Problem(IDS_MEDIA_TOO_LARGE);
    // A JPEG is then decoded at the smaller size, not whole and shrunk.
    if (size.width() > nPixels || size.height() > nPixels)
        reader.setScaledSize(size.scaled(nPixels, nPixels, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return Problem(IDS_MEDIA_CANNOT_SHOW);
    return {image, 0};
}

// A private folder of this run for the entries opened from a package.
const QTemporaryDir& OpenedEntries()
{
    static const QTemporaryDir theFolder(QDir::tempPath() + QStringLiteral("/stemmark-media-XXXXXX"));
    return theFolder;
}

// The entry copied out whole, under its own name; empty when it cannot be.
QString CopiedEntry(const CMediaArchive& archive, const std::wstring& strEntry)
{
    std::string bytes;
    std::wstring strReason;
    if (!OpenedEntries().isValid() ||
        !archive.ReadEntry(WideToUtf8(strEntry), static_cast<std::uint64_t>(kMaxPictureBytes) * 4, bytes, strReason))
        return {};
    const QString strName = QFileInfo(ToQString(strEntry)).fileName();
    QDir folder(OpenedEntries().path());
    // Two entries of one name in different folders each keep their own copy.
    const QString strSub = QString::number(qHash(ToQString(strEntry)), 16);
    if (!folder.mkpath(strSub))
        return {};
    QFile file(folder.filePath(strSub + QLatin1Char('/') + strName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        return {};
    return file.fileName();
}

} // namespace

CPictureRead ReadPicture(const CMediaPlace& place, const std::shared_ptr<const CMediaArchive>& pArchive, int nPixels)
{
    if (place.m_found == CMediaFound::Entry) {
        if (!pArchive)
            return Problem(IDS_MEDIA_CANNOT_SHOW);
        std::string bytes;
        std::wstring strReason;
        if (!pArchive->ReadEntry(WideToUtf8(place.m_strPath), kMaxPictureBytes, bytes, strReason))
            return Problem(IDS_MEDIA_CANNOT_SHOW);
        QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        return ReadFrom(buffer, nPixels);
    }
    if (place.m_found != CMediaFound::File)
        return Problem(IDS_MEDIA_CANNOT_SHOW);
    // A file made a fifo since it was found would hold the read for ever: it
    // is opened without waiting, and must still be a plain file.
    const int nHandle = ::open(WideToUtf8(place.m_strPath).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (nHandle < 0 || ::fstat(nHandle, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (nHandle >= 0)
            ::close(nHandle);
        return Problem(IDS_MEDIA_CANNOT_SHOW);
    }
    QFile file;
    if (!file.open(nHandle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Problem(IDS_MEDIA_CANNOT_SHOW);
    if (file.size() > kMaxPictureBytes)
        return Problem(IDS_MEDIA_TOO_LARGE);
    return ReadFrom(file, nPixels);
}

QImage NoticePicture(int nSide, qreal dPixelRatio, const QString& strText)
{
    QImage image(QSize(nSide, nSide) * dPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dPixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1, 1, nSide - 2, nSide - 2);
    painter.setPen(QColor(0xB0, 0xB0, 0xB0));
    painter.setBrush(QColor(0xF4, 0xF4, 0xF4));
    painter.drawRoundedRect(frame, 4, 4);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, nSide / 7));
    painter.setFont(font);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawText(frame.adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextWordWrap, strText);
    return image;
}

void OpenMediaItem(QWidget* pOwner, const CMediaItem& item, const CMediaArchive* pArchive)
{
    QString strFile;
    if (item.m_place.m_found == CMediaFound::Entry && pArchive)
        strFile = CopiedEntry(*pArchive, item.m_place.m_strPath);
    else if (item.m_place.m_found == CMediaFound::File || item.m_place.m_found == CMediaFound::Outside)
        strFile = ToQString(item.m_place.m_strPath);
    const bool bOpened = !strFile.isEmpty() && IsOpenableMediaFile(QFile::encodeName(strFile).toStdString()) &&
                         UrlOpener()(QUrl::fromLocalFile(strFile));
    if (!bOpened)
        ShowMessage(pOwner, LoadLangString(IDS_MEDIA_CANNOT_OPEN) + L"\n" + item.m_strWritten,
                    LoadBaseString(IDS_PRODUCT_NAME), CMessageIcon::Exclamation);
}
