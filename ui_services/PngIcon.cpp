#include "ui_services/PngIcon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QPixmap>

namespace orv {
namespace {

class PngIconEngine : public QIconEngine {
 public:
  PngIconEngine(const QString& pattern, const QList<int>& sizes) : pattern_(pattern) {
    for (const int size : sizes) read_.insert(size, QPixmap());
  }

  QIconEngine* clone() const override { return new PngIconEngine(*this); }

  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (const int size : read_.keys()) sizes.append(QSize(size, size));
    return sizes;
  }

  // The smallest drawing at least as large as asked (else the largest),
  // scaled down to fit.
  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    if (read_.isEmpty()) return QPixmap();
    auto drawn = read_.lowerBound(qMax(size.width(), size.height()));
    if (drawn == read_.end()) --drawn;
    if (drawn->isNull()) {
      // As PNG only: no other image plugin is consulted.
      QImageReader reader(pattern_.arg(drawn.key()), "png");
      reader.setAutoDetectImageFormat(false);
      *drawn = QPixmap::fromImage(reader.read());
    }
    if (drawn.key() <= size.width() && drawn.key() <= size.height()) return *drawn;
    return drawn->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

 private:
  QString pattern_;
  QMap<int, QPixmap> read_;  // by size; null until read
};

}  // namespace

QIcon PngIcon(const QString& pattern, const QList<int>& sizes) {
  return QIcon(new PngIconEngine(pattern, sizes));
}

}  // namespace orv
