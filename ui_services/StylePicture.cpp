#include "ui_services/StylePicture.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

namespace orv {
namespace {

// A number as QPixmap's cache key writes it: its bytes in memory order, each
// as two lower-case hexadecimal digits, the low digit first.
template <typename Number>
QString KeyDigits(Number number) {
  static constexpr char kDigits[] = "0123456789abcdef";
  QString digits;
  const auto* byte = reinterpret_cast<const unsigned char*>(&number);
  for (size_t i = 0; i < sizeof(Number); ++i) {
    digits += QLatin1Char(kDigits[byte[i] & 0xf]);
    digits += QLatin1Char(kDigits[byte[i] >> 4]);
  }
  return digits;
}

}  // namespace

void ReadGroupBoxFrameAsPng() {
  if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0) {
    return;
  }
  const QFileInfo file(
      QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
  if (!file.exists()) return;
  QImageReader reader(file.filePath(), "png");
  reader.setAutoDetectImageFormat(false);  // PNG only: no plugin is asked
  const QImage picture = reader.read();
  if (picture.isNull()) return;
  constexpr unsigned kPixmapType = 0;  // QPixmap's own pixel type, not a bitmap's
  const QString key = QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
                      KeyDigits(static_cast<unsigned>(file.lastModified().toSecsSinceEpoch())) +
                      KeyDigits(static_cast<quint64>(file.size())) + KeyDigits(kPixmapType);
  QPixmapCache::insert(key, QPixmap::fromImage(picture));
}

}  // namespace orv
