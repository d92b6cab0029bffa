#pragma once

#include "core/model/MediaArchive.h"
#include "core/views/PageMedia.h"

#include <QImage>
#include <QString>

#include <memory>

class QWidget;

/// A picture read for a page, or why there is none (a string id).
struct CPictureRead {
    QImage m_image;
    int m_nProblem = 0;
};

/// The picture of a file found for a page, made at most `nPixels` on its
/// longer side; a large photo is read at that size where its kind allows.
/// Safe on any thread: it touches no widget and no document.
CPictureRead ReadPicture(const CMediaPlace& place, const std::shared_ptr<const CMediaArchive>& pArchive,
                         int nPixels);

/// A square saying why a picture is not shown.
QImage NoticePicture(int nSide, qreal dPixelRatio, const QString& strText);

/// Opens the item in the desktop's own program for it; a package's entry is
/// first copied to a private folder that goes when the program ends. Tells
/// the user when it cannot.
void OpenMediaItem(QWidget* pOwner, const CMediaItem& item, const CMediaArchive* pArchive);
